// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QWidget>

class QLabel;
class QObject;
class QPushButton;
class QShortcut;

namespace tavrin {

class GuideImageView;
class Workspace;

// The guide shown when pasting into other windows is not possible: two pictures of the steps that fix
// it, shown in turn (the first moves on to the second once, 4 s after the guide first appears, unless
// the user picks a page), and a button, also reached by Return, that opens the help page.
class PasteAccessGuide : public QWidget {
    Q_OBJECT
public:
    /// The help page is written into helpFolder when it is asked for.
    PasteAccessGuide(Scheduler &scheduler, Workspace &workspace, const QString &helpFolder, QWidget *parent = nullptr);
    ~PasteAccessGuide() override;

    /// The page shown, 1 or 2.
    int currentPage() const { return m_currentPage; }
    /// True while the automatic move to page 2 is still to come.
    bool isAdvancePending() const;
    /// The asset name of a page's picture.
    static QString imageForPage(int page);

    void advanceToSecondPage();
    void firstPageButtonClicked(QObject *sender);
    void secondPageButtonClicked(QObject *sender);
    void openSettingsPage(QObject *sender);
    void closeGuide(QObject *sender);

    QLabel *subtitleLabel = nullptr;
    QLabel *titleLabel = nullptr;
    QPushButton *secondPageButton = nullptr;
    QPushButton *firstPageButton = nullptr;
    GuideImageView *imageView = nullptr;
    QPushButton *openSettingsButton = nullptr;
    QPushButton *closeButton = nullptr;
    QLabel *errorLabel = nullptr;

Q_SIGNALS:
    /// The user asked to close the guide.
    void dismissRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void startSlideshow();
    void prepareForShowing();
    void showPage(int page);
    void markShownPage();
    void showError(const QString &message);

    Scheduler &m_scheduler;
    Workspace &m_workspace;
    QString m_helpFolder;
    int m_currentPage = 1;
    Scheduler::TimerId m_advanceTimer = 0;
    bool m_loaded = false;
    QShortcut *m_returnKey = nullptr;
    QShortcut *m_enterKey = nullptr;
};

}  // namespace tavrin
