// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>

namespace tavrin {

// An alert to show; the presenter returns the index of the button pressed.
struct AlertRequest {
    int style = 1;  // informational
    QString messageText;
    QString informativeText;
    QStringList buttons;
    /// Closes the alert unanswered after this long (as its dismissing button); zero waits for an answer.
    std::chrono::milliseconds timeout{0};
};

/// The question asked before a folder is pasted with all its contents ("Yes" is button 0).
AlertRequest folderPasteQuestion();

// Runs the application-modal alerts of the views; tests answer them in advance.
class AlertPresenter {
public:
    AlertPresenter() = default;
    AlertPresenter(const AlertPresenter &) = delete;
    AlertPresenter &operator=(const AlertPresenter &) = delete;
    virtual ~AlertPresenter() = default;

    /// Shows the alert until the user answers it or its timeout passes; returns the index of the button pressed in
    /// request.buttons (the last one, the dismissing one, after the timeout).
    virtual int runAlert(const AlertRequest &request) = 0;
};

// Alerts as message boxes, modal to the whole application.
class MessageBoxAlertPresenter final : public AlertPresenter {
public:
    int runAlert(const AlertRequest &request) override;
};

// Answers from a script: each alert takes the next answer queued with answerNext and is recorded.
class ScriptedAlertPresenter final : public AlertPresenter {
public:
    /// The next alert gets this button.
    void answerNext(int button) { m_answers.append(button); }
    int runAlert(const AlertRequest &request) override;

    /// Every alert shown, oldest first.
    QList<AlertRequest> shown;
    /// Alerts that found no answer queued; they got their last button (the dismissing one).
    int unanswered = 0;

private:
    QList<int> m_answers;
};

}  // namespace tavrin
