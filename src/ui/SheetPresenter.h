// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/AlertPresenter.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace tavrin {

// A file chooser to show as a sheet: one existing file or folder.
struct FileChooserRequest {
    /// What the user is asked to choose, shown with the chooser.
    QString message;
    /// Hidden files and folders are listed too.
    bool showsHiddenFiles = true;
};

// Runs the window-modal sheets of the main window: alerts and the file chooser. Each returns at once; the answer
// arrives later through its callback, on the GUI thread. Tests answer them in advance or hold them open.
class SheetPresenter {
public:
    using AlertAnswer = std::function<void(int button)>;
    using FileChoice = std::function<void(std::optional<QString> path)>;

    SheetPresenter() = default;
    SheetPresenter(const SheetPresenter &) = delete;
    SheetPresenter &operator=(const SheetPresenter &) = delete;
    virtual ~SheetPresenter() = default;

    /// Shows the alert modal to window only; answered gets the index of the button pressed in request.buttons.
    virtual void presentAlert(QWidget *window, const AlertRequest &request, AlertAnswer answered) = 0;
    /// Shows the file chooser modal to window only; chosen gets the path, or nothing when the user cancelled.
    virtual void presentFileChooser(QWidget *window, const FileChooserRequest &request, FileChoice chosen) = 0;
};

// Message boxes and file dialogs modal to their window.
class WindowModalSheetPresenter final : public SheetPresenter {
public:
    void presentAlert(QWidget *window, const AlertRequest &request, AlertAnswer answered) override;
    void presentFileChooser(QWidget *window, const FileChooserRequest &request, FileChoice chosen) override;
};

// Answers from a script. A sheet takes the next answer queued for its kind; with none queued it stays open until
// the test answers it (answerOpenAlert, chooseInOpenChooser).
class ScriptedSheetPresenter final : public SheetPresenter {
public:
    /// The next alert gets this button.
    void answerNext(int button) { m_alertAnswers.append(button); }
    /// The next file chooser returns this path (nothing: cancelled).
    void chooseNext(std::optional<QString> path) { m_choices.append(std::move(path)); }

    void presentAlert(QWidget *window, const AlertRequest &request, AlertAnswer answered) override;
    void presentFileChooser(QWidget *window, const FileChooserRequest &request, FileChoice chosen) override;

    bool hasOpenAlert() const { return bool(m_openAlert); }
    bool hasOpenChooser() const { return bool(m_openChooser); }
    /// Answers the alert that is open; false when none is.
    bool answerOpenAlert(int button);
    /// Answers the file chooser that is open; false when none is.
    bool chooseInOpenChooser(std::optional<QString> path);

    /// Every alert shown, oldest first, and the window each was modal to.
    QList<AlertRequest> shown;
    QList<QPointer<QWidget>> alertWindows;
    /// Every file chooser shown, oldest first.
    QList<FileChooserRequest> choosers;

private:
    QList<int> m_alertAnswers;
    QList<std::optional<QString>> m_choices;
    AlertAnswer m_openAlert;
    FileChoice m_openChooser;
};

}  // namespace tavrin
