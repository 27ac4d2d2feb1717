// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWidget>

#include <array>

class QAbstractButton;
class QLabel;

namespace tavrin {

class Workspace;

// Where the About pane's buttons lead; an empty address hides its button.
struct AboutLinks {
    QString web;
    QString facebook;
    QString twitter;
    /// The program's page in an application store.
    QString store;
};

// The About pane of the main window: the program's name and version, and buttons that open its pages.
class AboutPane : public QWidget {
    Q_OBJECT
public:
    enum class Link { web, facebook, twitter, store };

    /// version is the program's version ("1.2"); the label then reads "Version 1.2".
    AboutPane(const QString &version, const AboutLinks &links, Workspace &workspace, QWidget *parent = nullptr);

    QLabel *versionLabel() const { return m_version; }
    QAbstractButton *linkButton(Link link) const { return m_buttons[std::size_t(link)]; }

    /// Opens an address in the default browser (or the store's application); a text that is no address does
    /// nothing.
    void openLink(const QString &address);

private:
    QAbstractButton *addLinkButton(Link link, const QString &title, const QString &address);

    Workspace &m_workspace;
    QLabel *m_version = nullptr;
    QWidget *m_buttonRow = nullptr;
    std::array<QAbstractButton *, 4> m_buttons{};
};

}  // namespace tavrin
