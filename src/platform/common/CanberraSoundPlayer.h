// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SoundPlayer.h"

#include <QHash>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct ca_context;

namespace tavrin {

// Plays the program's own sound files through libcanberra on a thread of its own, so a slow or missing sound
// device never delays the caller.
class CanberraSoundPlayer final : public SoundPlayer {
public:
    /// Sounds are "<name>.wav" files (lower case) in the folder.
    explicit CanberraSoundPlayer(const QString &soundsFolder = defaultSoundsFolder());
    ~CanberraSoundPlayer() override;

    /// The sounds of the running program: see soundsFolderFor().
    static QString defaultSoundsFolder();
    /// "sounds" beside a program in the build tree, else the installed folder, share/sounds/io.tavrin.Tavrin
    /// next to the bin folder (under the same prefix, whichever that is).
    static QString soundsFolderFor(const QString &programFolder);
    /// The file played for a name, empty when there is none.
    QString fileFor(const QString &name) const;

    void play(const QString &name) override;
    /// Waits until every sound asked for so far was handed to the device (or given up); for tests.
    void waitUntilIdle();
    /// Sounds handed to libcanberra so far, and how many of those it refused (no device, for one).
    int handedOver() const;
    int refused() const;

private:
    void run();

    QHash<QString, QString> m_files;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<QString> m_queue;
    bool m_busy = false;
    bool m_stop = false;
    int m_handedOver = 0;
    int m_refused = 0;
    std::thread m_thread;
};

}  // namespace tavrin
