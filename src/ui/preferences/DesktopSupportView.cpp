// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preferences/DesktopSupportView.h"

#include "ui/preferences/DesktopReasons.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrin {

namespace {

struct CommandRow {
    const char *command;
    const char *does;
};

// What each of the program's shortcuts does, as a command.
constexpr CommandRow kCommands[] = {
    {"tavrin show", QT_TRANSLATE_NOOP("tavrin::DesktopSupportView", "Show the list")},
    {"tavrin toggle-sequential", QT_TRANSLATE_NOOP("tavrin::DesktopSupportView", "Switch sequential paste on or off")},
    {"tavrin paste-next",
     QT_TRANSLATE_NOOP("tavrin::DesktopSupportView", "Paste the next entry of the sequential queue")},
};

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleName(text);
    return label;
}

}  // namespace

QStringList DesktopSupportView::shortcutCommands()
{
    QStringList commands;
    for (const CommandRow &row : kCommands)
        commands.append(QString::fromLatin1(row.command));
    return commands;
}

DesktopSupportView::DesktopSupportView(const DesktopCapabilities &capabilities, QWidget *parent)
    : QGroupBox(tr("This desktop"), parent)
{
    setAccessibleName(title());
    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    if (!capabilities.backend.isEmpty())
        grid->addWidget(wrappedLabel(tr("Session: %1").arg(capabilities.backend), this), 0, 0, 1, 3);
    addFeatureRow(grid, tr("Capture"), capabilities.capture);
    addFeatureRow(grid, tr("Paste"), capabilities.paste);
    m_shortcutsOffered = capabilities.globalShortcuts.available;
    m_shortcutsState = addFeatureRow(grid, tr("Global shortcuts"), capabilities.globalShortcuts);
    // A row kept under it for the shortcuts the desktop refused, filled when there are some.
    m_grid = grid;
    m_problemsRow = grid->rowCount();
    grid->addItem(new QSpacerItem(0, 0), m_problemsRow, 1);
    addFeatureRow(grid, tr("Tray icon"), capabilities.tray);
    addFeatureRow(grid, tr("Start at login"), capabilities.startAtLogin);
    if (!capabilities.remedyCommand.isEmpty())
        addRemedyRows(grid, capabilities.remedyCommand, capabilities.remedyNote);
    if (!capabilities.globalShortcuts.available)
        addCommandRows(grid);
}

void DesktopSupportView::addRemedyRows(QGridLayout *grid, const QString &command, const QString &note)
{
    grid->addWidget(wrappedLabel(tr("To make it work, run:"), this), grid->rowCount(), 0, 1, 3);
    const int row = grid->rowCount();
    addCopyableCommand(grid, row, 0, command, tr("The command that makes it work"));
    if (!note.isEmpty())
        grid->addWidget(wrappedLabel(note, this), grid->rowCount(), 0, 1, 3);
}

void DesktopSupportView::addCopyableCommand(QGridLayout *grid, int row, int column, const QString &command,
                                            const QString &does)
{
    auto *field = new QLineEdit(command, this);
    field->setReadOnly(true);
    field->setAccessibleName(does);
    field->setToolTip(does);
    auto *copy = new QPushButton(tr("Copy"), this);
    copy->setAccessibleName(tr("Copy \"%1\"").arg(command));
    connect(copy, &QPushButton::clicked, this, [this, command] {
        QGuiApplication::clipboard()->setText(command);
        Q_EMIT commandCopied(command);
    });
    grid->addWidget(field, row, column, 1, 2 - column);
    grid->addWidget(copy, row, 2, Qt::AlignLeft);
}

QLabel *DesktopSupportView::addFeatureRow(QGridLayout *grid, const QString &name,
                                          const DesktopCapabilities::Feature &feature)
{
    const int row = grid->rowCount();
    auto *nameLabel = new QLabel(name, this);
    nameLabel->setAccessibleName(name);
    const QString state = feature.available ? tr("Works") : tr("Does not work");
    auto *stateLabel = new QLabel(state, this);
    stateLabel->setAccessibleName(QStringLiteral("%1: %2").arg(name, state));
    stateLabel->setObjectName(name);
    grid->addWidget(nameLabel, row, 0, Qt::AlignTop);
    grid->addWidget(stateLabel, row, 1, Qt::AlignTop);
    // An empty reason says nothing; the state alone is clearer than a blank cell pretending to explain.
    if (!feature.detail.isEmpty()) {
        QLabel *detail = wrappedLabel(shownReason(feature.detail), this);
        grid->addWidget(detail, row, 2);
    }
    // Which way is in use, and why the others that were asked are not.
    if (!feature.otherWays.isEmpty()) {
        QLabel *others =
            wrappedLabel(QStringLiteral("Not used: %1.").arg(feature.otherWays.join(QStringLiteral("; "))), this);
        others->setAccessibleName(QStringLiteral("%1 other ways").arg(name));
        grid->addWidget(others, grid->rowCount(), 2);
    }
    return stateLabel;
}

void DesktopSupportView::showShortcutProblems(const QStringList &problems)
{
    if (!m_shortcutsOffered)
        return;  // the desktop takes none: the row already says so, and why
    const QString state = problems.isEmpty() ? tr("Works") : tr("Not every shortcut works");
    m_shortcutsState->setText(state);
    m_shortcutsState->setAccessibleName(tr("Global shortcuts: %1").arg(state));
    if (!m_shortcutProblems) {
        if (problems.isEmpty())
            return;
        m_shortcutProblems = wrappedLabel(QString(), this);
        m_grid->addWidget(m_shortcutProblems, m_problemsRow, 1, 1, 2);
    }
    m_shortcutProblems->setText(problems.join(u'\n'));
    m_shortcutProblems->setAccessibleName(m_shortcutProblems->text());
    m_shortcutProblems->setVisible(!problems.isEmpty());
}

void DesktopSupportView::addCommandRows(QGridLayout *grid)
{
    grid->addWidget(wrappedLabel(tr("This desktop does not let programs take shortcuts. Bind these "
                                    "commands to keys in the desktop's own key settings:"),
                                 this),
                    grid->rowCount(), 0, 1, 3);
    for (const CommandRow &entry : kCommands) {
        const QString command = QString::fromLatin1(entry.command);
        const QString does = tr(entry.does);
        const int row = grid->rowCount();
        grid->addWidget(wrappedLabel(does, this), row, 0);
        addCopyableCommand(grid, row, 1, command, does);
    }
}

}  // namespace tavrin
