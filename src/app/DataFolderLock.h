#pragma once

#include <QLockFile>
#include <QString>

namespace tavrin {

class AlertPresenter;

// One program per user and data folder. Two programs on two displays would share one history file, and the last to
// write would drop the other's copies; the second one is therefore refused while the first holds the lock.
class DataFolderLock {
public:
    static constexpr const char *kFileName = "tavrin.lock";

    explicit DataFolderLock(const QString &dataDirectory);

    enum class Outcome {
        Locked,  // this process owns the folder until it ends
        HeldByAnother,  // another running program owns it
        Unavailable,  // no lock could be made (read-only folder, ...); the program runs unguarded
    };
    Outcome tryLock();

    /// Locks the folder, or tells why this start must end, on standard error and in an alert; false in that case.
    bool lockOrExplain(AlertPresenter &alerts);

    /// The program that holds the lock, as "process <pid> on <host>", after HeldByAnother.
    QString holder() const;
    QString directory() const { return m_directory; }

private:
    QString m_directory;
    QLockFile m_lock;
};

}  // namespace tavrin
