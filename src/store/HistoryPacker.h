// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"
#include "store/EntryArena.h"

#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <memory>
#include <vector>

namespace tavrin {

class Dispatcher;
class HistoryStore;

// Packs the history's older texts (see EntryArena) in the background, a block at a time, so that a long history takes
// less memory than its text: after each load or clear, and a while after captures. The blocks of the newest entries
// and the pins stay as they are: those are drawn, listed and searched first.
class HistoryPacker : public QObject {
    Q_OBJECT
public:
    /// The newest entries whose blocks stay unpacked: what a search shows first and the lists draw.
    static constexpr qsizetype kKeepRaw = EntryArena::kHotEntries;
    /// Captures are packed this long after the first of them, together.
    static constexpr std::chrono::milliseconds kAfterCaptures{10000};
    /// A block packed while something read the texts on another thread is put in place this long after.
    static constexpr std::chrono::milliseconds kRetryDelay{100};

    HistoryPacker(HistoryStore &history, Dispatcher &dispatcher, Scheduler &scheduler, QObject *parent = nullptr);

    /// Looks for blocks to pack now, or once the packing under way is done.
    void packNow();
    bool isPacking() const { return m_packing; }

Q_SIGNALS:
    /// Every block looked for was packed, or found not worth packing.
    void done();

private:
    void packNext();
    void publish(int block, const std::shared_ptr<EntryArena::PackedBlock> &packed);

    HistoryStore &m_history;
    Dispatcher &m_dispatcher;
    Scheduler &m_scheduler;
    std::shared_ptr<EntryArena> m_arena;
    std::vector<int> m_blocks;
    bool m_packing = false;
    // For the log: what the arena held when this round of packing began.
    QElapsedTimer m_started;
    qsizetype m_bytesBefore = 0;
    qsizetype m_blocksBefore = 0;
    bool m_again = false;
    Scheduler::TimerId m_afterCaptures = 0;
};

}  // namespace tavrin
