// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ViewServices.h"
#include "ui/main/MainPane.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace tavrin {

class ClipboardPane;
class DimmedSheets;
class DimmingLayer;
class GroupPane;
class Sidebar;

// The main window's content: the sidebar on the left and, on the right, the one pane its selection chooses. The
// Clipboard and group panes are its own; the others (Preferences, About) come from a pane provider. Sheets of every
// pane are shown over its dimming layer. The Delete key asks to remove the selected entry of the Clipboard or the
// group pane while that pane is shown.
class MainWindowContent : public QWidget {
    Q_OBJECT
public:
    /// Makes the pane shown for preferences, about or promotion; null for none.
    using PaneProvider = std::function<QWidget *(MainPane pane)>;

    explicit MainWindowContent(const ViewServices &services, QWidget *parent = nullptr);
    ~MainWindowContent() override;

    /// Where the panes other than the Clipboard and the groups come from; set before they are first shown.
    void setPaneProvider(PaneProvider provider) { m_paneProvider = std::move(provider); }

    /// The pane shown (currentPane).
    MainPane currentPane() const { return m_currentPane; }
    /// The pane's view now installed.
    QWidget *installedPane() const { return m_installedPane; }
    /// Shows a pane by selecting its row in the sidebar: the Clipboard, Preferences or About.
    void showPane(MainPane pane);

    Sidebar *sidebar() const { return m_sidebar; }
    ClipboardPane *clipboardPane() const { return m_clipboardPane; }
    /// The group pane, made on first use.
    GroupPane *groupPane();
    DimmedSheets &sheets() const { return *m_sheets; }
    DimmingLayer *dimmingLayer() const { return m_dimmingLayer; }

    /// The Delete key: asks to remove the selected entry of the Clipboard or the group pane, if one is shown.
    void askToRemoveSelectedEntry();
    /// Ends an edit in the window (a group name), keeping what was typed.
    void endEditing();

Q_SIGNALS:
    /// The pane shown changed.
    void currentPaneChanged(tavrin::MainPane pane);

private:
    void buildView();
    void upperRowSelected(int row);
    void lowerRowSelected(int row);
    void install(QWidget *pane, MainPane index);
    QWidget *providedPane(MainPane pane);

    ViewServices m_services;
    Sidebar *m_sidebar = nullptr;
    QWidget *m_paneArea = nullptr;
    DimmingLayer *m_dimmingLayer = nullptr;
    DimmedSheets *m_sheets = nullptr;
    ClipboardPane *m_clipboardPane = nullptr;
    GroupPane *m_groupPane = nullptr;
    QList<QPointer<QWidget>> m_providedPanes;
    QPointer<QWidget> m_installedPane;
    MainPane m_currentPane = MainPane::clipboard;
    PaneProvider m_paneProvider;
};

}  // namespace tavrin
