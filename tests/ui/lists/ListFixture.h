// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestDirs.h"
#include "app/AppActions.h"
#include "app/AppContext.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "capture/SequentialWindow.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeFileIcons.h"
#include "platform/fake/FakeKeyEventPoster.h"
#include "platform/fake/FakeLocations.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/fake/FakeSoundPlayer.h"
#include "platform/fake/FakeSystemInfo.h"
#include "platform/fake/FakeWorkspace.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/SheetPresenter.h"
#include "ui/lists/CopiedToast.h"
#include "ui/lists/EntryPreviewPopup.h"
#include "ui/lists/QuickListView.h"
#include "ui/lists/ShownListModel.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

namespace tavrin::test {

// The queue window as a visibility flag.
class FakeQueueWindow final : public SequentialWindow {
public:
    bool isVisible() const override { return visible; }
    void show(bool) override { visible = true; }
    void close() override { visible = false; }
    bool visible = false;
};

// A launched program's state over the fake platform, with the quick-access list in a window of its own.
struct ListFixture {
    TestDirs dirs;
    FakePlatform *platform = nullptr;
    AppContext context;
    FakeScheduler &clock;
    FakeDispatcher &dispatcher;
    FakeClipboard &clipboard;
    FakeKeyEventPoster &keys;
    FakeSoundPlayer &sounds;
    FakeWorkspace &workspace;
    FakeFileIcons &fileIcons;
    FakeSystemInfo &system;
    ScriptedAlertPresenter &alerts;
    ScriptedSheetPresenter &sheets;
    FakeQueueWindow queueWindow;
    QStringList log;
    QWidget window;
    QuickListView *vc = nullptr;

    /// With fromRegistry, the list is the one the window registry makes (linked to the main window).
    explicit ListFixture(const QStringList &entries = {}, bool fromRegistry = false)
        : context(makePlatform(platform), std::make_unique<SettingsStore>()),
          clock(*platform->fakeScheduler),
          dispatcher(*platform->fakeDispatcher),
          clipboard(*platform->fakeClipboard),
          keys(*platform->fakeKeyEventPoster),
          sounds(*platform->fakeSoundPlayer),
          workspace(*platform->fakeWorkspace),
          fileIcons(*platform->fakeFileIcons),
          system(*platform->fakeSystemInfo),
          alerts(installScriptedAlerts(context)),
          sheets(installScriptedSheets(context))
    {
        history().loadHistory();
        setHistory(entries);
        context.groups().loadGroupNames();
        capture().sound().load();
        capture().recordChangeCount();
        capture().sequentialMode().setWindow(&queueWindow);
        PasteEngine &engine = capture().pasteEngine();
        QObject::connect(&engine, &PasteEngine::folderPasteConfirmationNeeded, &window, [this, &engine] {
            if (alerts.runAlert(folderPasteQuestion()) == 0)
                engine.pasteConfirmedFolder();
        });
        // The shell closes the list's window when a paste hands the focus back.
        QObject::connect(&engine, &PasteEngine::listWindowCloseRequested, &window, &QWidget::hide);
        QObject::connect(&engine, &PasteEngine::programHideRequested, &window,
                         [this] { log << QStringLiteral("hide program"); });
        if (!fromRegistry) {
            // A list of the test's own, unlinked to the main window, that the shell's commands still reach.
            context.windows().quickListView.setFactory(
                [this] { return new QuickListView(context.viewServices(), &window); });
        }
        vc = qobject_cast<QuickListView *>(context.windows().quickListView());
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(vc);
        window.setGeometry(100, 50, QuickListView::kViewWidth, 500);
    }

    ~ListFixture()
    {
        // The history writer finishes before the test's folder goes.
        history().waitForWrites();
    }

    static ScriptedAlertPresenter &installScriptedAlerts(AppContext &context)
    {
        auto scripted = std::make_unique<ScriptedAlertPresenter>();
        ScriptedAlertPresenter &answers = *scripted;
        context.setAlertPresenter(std::move(scripted));
        return answers;
    }

    static ScriptedSheetPresenter &installScriptedSheets(AppContext &context)
    {
        auto scripted = std::make_unique<ScriptedSheetPresenter>();
        ScriptedSheetPresenter &answers = *scripted;
        context.setSheetPresenter(std::move(scripted));
        return answers;
    }

    static std::unique_ptr<Platform> makePlatform(FakePlatform *&out)
    {
        auto fake = std::make_unique<FakePlatform>();
        out = fake.get();
        return fake;
    }

    HistoryStore &history() { return context.history(); }
    /// The shell's commands, as the list's application menu shows them.
    AppActions &actions() { return context.windows().actions(); }
    /// Where the program's files go: the fake platform's own folder.
    QString dataFolder() const { return platform->fakeLocations->dataDirectory(); }
    CaptureServices &capture() { return context.capture(); }

    /// Entries top to bottom, no pins.
    void setHistory(const QStringList &entries)
    {
        history().clearAll();
        for (auto it = entries.crbegin(); it != entries.crend(); ++it)
            history().insertCaptured(*it);
    }

    /// Shows the list's window (the first showing loads the view).
    void show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QStringList shownEntries() const
    {
        QStringList entries;
        for (int row = 0; row < vc->model()->rowCount(); ++row)
            entries << vc->model()->index(row).data(ShownListModel::EntryRole).toString();
        return entries;
    }
    QString title(int row) const { return vc->model()->index(row).data().toString(); }
    bool pinned(int row) const { return vc->model()->index(row).data(ShownListModel::PinnedRole).toBool(); }

    /// The titles of a menu's items, separators as "-", disabled items in brackets.
    static QStringList menuItems(const QMenu *menu)
    {
        QStringList items;
        for (const QAction *action : menu->actions()) {
            if (action->isSeparator())
                items << QStringLiteral("-");
            else
                items << (action->isEnabled() ? action->text() : QLatin1Char('[') + action->text() + QLatin1Char(']'));
        }
        return items;
    }
    static QAction *menuItem(const QMenu *menu, const QString &title)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == title)
                return action;
        }
        return nullptr;
    }

    /// Types text into the search field, key by key.
    void type(const QString &text) { QTest::keyClicks(vc->searchField(), text); }
    QRect rowRect(int row) const { return vc->listView()->visualRect(vc->model()->index(row)); }
    /// Pastes happen after the paste delay.
    void runPasteDelay() { clock.advance(PasteEngine::kPasteDelay); }
};

}  // namespace tavrin::test
