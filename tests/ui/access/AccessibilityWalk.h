// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace tavrin::test {

// What a screen reader and a keyboard user meet in a window, from Qt's own accessibility interfaces: every node
// walked, and the widgets that Tab reaches, found by pressing Tab.
class AccessibilityWalk {
public:
    /// Presses Tab from the window's first focus until the focus comes back, and then walks the tree.
    explicit AccessibilityWalk(QWidget *window) : m_window(window)
    {
        tabThrough();
        walk(QAccessible::queryAccessibleInterface(window), 0);
        // What the keyboard reaches, a screen reader must find in the tree (an item view shows only its rows, so a
        // widget placed inside one is hidden from it).
        for (QWidget *widget : std::as_const(m_reached)) {
            if (!m_walked.contains(widget) && !qobject_cast<QLineEdit *>(widget->parentWidget()))
                m_problems << QStringLiteral("Tab reaches what no screen reader finds: %1 \"%2\"")
                                  .arg(QString::fromLatin1(widget->metaObject()->className()),
                                       widget->accessibleName());
        }
    }

    /// Each fault: a focusable node without a name, a name that hides the text shown, a control Tab cannot reach.
    const QStringList &problems() const { return m_problems; }
    /// Whether Tab reached a widget.
    bool reaches(const QWidget *widget) const { return m_reached.contains(const_cast<QWidget *>(widget)); }
    /// The names of the nodes walked, in order.
    const QStringList &names() const { return m_names; }

    /// The text a widget shows itself (a symbol such as "✕" is no text: the name says what it does) (a label's or a
    /// button's, mnemonics dropped); empty for others.
    static QString shownText(const QWidget *widget)
    {
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->textFormat() != Qt::RichText)
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        text.remove(u'&');
        return text.trimmed();
    }

private:
    void tabThrough()
    {
        if (!m_window->focusWidget()) {
            for (QWidget *next = m_window->nextInFocusChain(); next && next != m_window;
                 next = next->nextInFocusChain()) {
                if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
                    next->setFocus(Qt::TabFocusReason);
                    break;
                }
            }
        }
        if (!m_window->focusWidget())
            return;
        for (int presses = 0; presses < 300; ++presses) {
            QWidget *focus = m_window->focusWidget();
            if (!focus || m_reached.contains(focus))
                break;
            m_reached.insert(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }

    static bool isControl(QAccessible::Role role)
    {
        switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::List:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown: return true;
        default: return false;
        }
    }

    static QString describe(QAccessibleInterface *node, QWidget *widget)
    {
        const QString type = widget ? QString::fromLatin1(widget->metaObject()->className()) : QStringLiteral("item");
        const QString name = widget && !widget->objectName().isEmpty() ? widget->objectName() : QString();
        return QStringLiteral("%1 %2 (role %3, name \"%4\")")
            .arg(type, name)
            .arg(int(node->role()))
            .arg(node->text(QAccessible::Name));
    }

    void walk(QAccessibleInterface *node, int depth)
    {
        if (!node || !node->isValid() || depth > 40)
            return;
        const QAccessible::State state = node->state();
        if (state.invisible)
            return;
        auto *widget = qobject_cast<QWidget *>(node->object());
        if (widget)
            m_walked.insert(widget);
        const QString name = node->text(QAccessible::Name);
        m_names << name;
        if (state.focusable && name.trimmed().isEmpty())
            m_problems << QStringLiteral("focusable without a name: ") + describe(node, widget);
        // A control whose text is its value (a shortcut box's keys) says it in its description.
        const QString shown = widget ? shownText(widget) : QString();
        const bool isWords = std::any_of(shown.cbegin(), shown.cend(), [](QChar c) { return c.isLetterOrNumber(); });
        if (isWords && !name.contains(shown) && !node->text(QAccessible::Description).contains(shown))
            m_problems << QStringLiteral("a name that hides the text \"%1\": ").arg(shown) + describe(node, widget);
        // Qt's own parts with keys of their own: a line edit's clear button (Escape, or select and delete), the
        // scroll bars (the view scrolls with its keys).
        const bool ownPart =
            widget && (qobject_cast<QLineEdit *>(widget->parentWidget()) || qobject_cast<QScrollBar *>(widget));
        if (widget && isControl(node->role()) && widget->isEnabled() && !ownPart && !reaches(widget))
            m_problems << QStringLiteral("Tab never reaches: ") + describe(node, widget);
        // A list's rows: each says what it holds (the first rows are enough).
        const int children = node->childCount();
        if (node->role() == QAccessible::List) {
            for (int i = 0; i < std::min(children, 12); ++i) {
                QAccessibleInterface *row = node->child(i);
                if (row && !row->object() && row->text(QAccessible::Name).trimmed().isEmpty())
                    m_problems << QStringLiteral("a row without a name in ") + describe(node, widget);
            }
        }
        for (int i = 0; i < children; ++i) {
            QAccessibleInterface *child = node->child(i);
            if (child && child->object())
                walk(child, depth + 1);
        }
    }

    QWidget *m_window;
    QSet<QWidget *> m_reached;
    QSet<QWidget *> m_walked;
    QStringList m_problems;
    QStringList m_names;
};

}  // namespace tavrin::test
