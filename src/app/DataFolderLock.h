// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>
#include <functional>

namespace tavrin {

class AlertPresenter;

// One program per user and data folder. Two programs on two displays would share one history file, and the last to
// write would drop the other's copies; the second one is therefore refused while the first holds the lock.
class DataFolderLock {
public:
    static constexpr const char *kFileName = "tavrin.lock";
    /// The alert of a refused start closes by itself after this long, so that a start nobody watches ends.
    static constexpr std::chrono::seconds kAlertTimeout{60};

    explicit DataFolderLock(const QString &dataDirectory);

    enum class Outcome {
        Locked,  // this process owns the folder until it ends
        HeldByAnother,  // another running program owns it
        Unavailable,  // no lock could be made (read-only folder, ...); the program runs unguarded
    };
    Outcome tryLock();

    /// Locks the folder, or tells why this start must end, on standard error and in an alert that closes after
    /// kAlertTimeout; false in that case. beforeAlert runs first (to leave the bus while the alert waits).
    bool lockOrExplain(AlertPresenter &alerts, const std::function<void()> &beforeAlert = {});

    enum class Language { english, user };
    /// The program that holds the lock, as "process <pid> on <host>", after HeldByAnother: in English for the log,
    /// or in the user's language.
    QString holder(Language language = Language::english) const;
    QString directory() const { return m_directory; }

private:
    QString m_directory;
    QLockFile m_lock;
};

}  // namespace tavrin
