// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryPacker.h"

#include "platform/Dispatcher.h"
#include "store/HistoryStore.h"
#include "store/StoreLog.h"

#include <algorithm>

namespace tavrin {

HistoryPacker::HistoryPacker(HistoryStore &history, Dispatcher &dispatcher, Scheduler &scheduler, QObject *parent)
    : QObject(parent), m_history(history), m_dispatcher(dispatcher), m_scheduler(scheduler)
{
    connect(&history, &HistoryStore::itemsReset, this, &HistoryPacker::packNow);
    connect(&history, &HistoryStore::itemInserted, this, [this] {
        // A history all of whose entries are hot has nothing to pack: no timer for it.
        if (m_history.items().size() > kKeepRaw && !m_scheduler.isPending(m_afterCaptures))
            m_afterCaptures = m_scheduler.scheduleOnce(kAfterCaptures, this, [this] { packNow(); });
    });
}

void HistoryPacker::packNow()
{
    if (m_packing) {
        m_again = true;
        return;
    }
    const EntryList &items = m_history.items();
    m_arena = items.arena();
    m_blocks =
        m_arena ? m_arena->blocksToPack(items.entryAddresses(), std::min(items.size(), kKeepRaw)) : std::vector<int>();
    m_packing = true;
    m_started.start();
    m_bytesBefore = m_arena ? m_arena->capacity() : 0;
    m_blocksBefore = m_arena ? m_arena->packedBlockCount() : 0;
    packNext();
}

void HistoryPacker::packNext()
{
    if (m_blocks.empty() || !m_arena) {
        if (m_arena && m_arena->packedBlockCount() > m_blocksBefore) {
            qCInfo(lcStore, "packed %lld blocks of the history's texts in %lld ms: %.1f MiB now held in %.1f MiB",
                   static_cast<long long>(m_arena->packedBlockCount() - m_blocksBefore),
                   static_cast<long long>(m_started.elapsed()), double(m_bytesBefore) / (1 << 20),
                   double(m_arena->capacity()) / (1 << 20));
        }
        m_packing = false;
        m_arena.reset();
        if (std::exchange(m_again, false)) {
            packNow();
            return;
        }
        Q_EMIT done();
        return;
    }
    const int block = m_blocks.front();
    m_blocks.erase(m_blocks.begin());
    m_dispatcher.runInBackground(Dispatcher::Lane::Release, this, [this, arena = m_arena, block]() -> Dispatcher::Task {
        std::shared_ptr<EntryArena::PackedBlock> packed = arena->pack(block);
        return [this, block, packed] { publish(block, packed); };
    });
}

void HistoryPacker::publish(int block, const std::shared_ptr<EntryArena::PackedBlock> &packed)
{
    if (!m_arena->publish(block, packed)) {
        m_scheduler.scheduleOnce(kRetryDelay, this, [this, block, packed] { publish(block, packed); });
        return;
    }
    packNext();
}

}  // namespace tavrin
