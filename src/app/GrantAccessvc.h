#pragma once

#include "platform/Scheduler.h"

#include <QWidget>

class QLabel;
class QObject;
class QShortcut;

namespace tavrin {

class FlatButton;
class GuideImageView;
class Workspace;

// The guide shown when pasting into other windows is not possible: two pictures of the steps that fix
// it, shown in turn (the first moves on to the second once, 4 s after the guide first appears, unless
// the user picks a page), and a button, also reached by Return, that opens the help page.
class GrantAccessvc : public QWidget {
    Q_OBJECT
public:
    /// The help page is written into helpFolder when it is asked for.
    GrantAccessvc(Scheduler &scheduler, Workspace &workspace, const QString &helpFolder, QWidget *parent = nullptr);
    ~GrantAccessvc() override;

    /// The page shown, 1 or 2.
    int currentPage() const { return currentindex; }
    /// True while the automatic move to page 2 is still to come.
    bool isAdvancePending() const;
    /// The asset name of a page's picture.
    static QString imageForPage(int page);

    void changeimage();
    void btn1clicked(QObject *sender);
    void btn2cliked(QObject *sender);
    void btnOpenPreferences(QObject *sender);
    void btnclose(QObject *sender);

    QLabel *lblsubtitle = nullptr;
    QLabel *lbltitle = nullptr;
    FlatButton *btn2 = nullptr;
    FlatButton *btn1 = nullptr;
    GuideImageView *imgview = nullptr;
    FlatButton *btnpreferences = nullptr;
    FlatButton *closeButton = nullptr;
    QLabel *lblerror = nullptr;

Q_SIGNALS:
    /// The user asked to close the guide.
    void dismissRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void viewDidLoad();
    void viewWillAppear();
    void showPage(int page);
    void colourIndicators();
    void showError(const QString &message);

    Scheduler &m_scheduler;
    Workspace &m_workspace;
    QString m_helpFolder;
    int currentindex = 1;
    Scheduler::TimerId timer = 0;
    bool m_loaded = false;
    QShortcut *m_returnKey = nullptr;
    QShortcut *m_enterKey = nullptr;
};

}  // namespace tavrin
