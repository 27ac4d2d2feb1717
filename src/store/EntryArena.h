// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <atomic>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <thread>
#include <utility>
#include <vector>

namespace tavrin {

// Where the texts of entry lists live: blocks filled one after the other and never moved, so that a text keeps its
// address for as long as any list refers to it. The copies of a list share its arena and may append to it from any
// thread (the mutex covers appends only: a text, once written, is read without it).
//
// The full blocks of a long history can be packed (LZ4, in runs of whole texts of about 16 KiB): their pages are
// given back while their addresses stay reserved, so every text keeps its address and is unpacked, a run at a time,
// into a small per-thread cache when it is read. Packing is finished on one thread, the packing thread (the history's,
// the GUI thread). Other threads read the texts of such an arena while they hold a ReadLock, which the packing waits
// out: it never takes pages from under a reader.
class EntryArena {
public:
    /// A block's texts packed: made on any thread (pack), put in place on the packing thread (publish).
    struct PackedBlock;

    /// The entries at the front of a list, those read first (the newest ones and the pins): their blocks stay raw.
    static constexpr qsizetype kHotEntries = 16384;

    EntryArena();
    EntryArena(const EntryArena &) = delete;
    EntryArena &operator=(const EntryArena &) = delete;
    ~EntryArena();

    /// Copies a stored text, its length before it; where it starts.
    const char *add(QByteArrayView stored);
    /// Takes over other's blocks, packed or not: texts stay where they are. Only while no other thread reads either.
    void take(EntryArena &&other);
    /// While on, each block is packed on the appending thread as soon as it is full, unless it holds one of the first
    /// kHotEntries texts added: a long list read from a file never holds all of its text unpacked. Only while nothing
    /// else uses the arena, as for a list being read.
    void setPackWhenFull(bool on);
    /// Bytes held in blocks, raw or packed, for the memory figures.
    qsizetype capacity() const;

    /// The stored text at entry (as add returned it). When it was packed, the view is into this thread's cache of
    /// unpacked runs: read it before this thread reads texts of several other runs.
    QByteArrayView read(const char *entry) const
    {
        return m_packedBlocks.load(std::memory_order_relaxed) == 0 ? readAt(entry) : readPacked(entry);
    }
    /// Whether this thread may read the texts: it is the packing thread, holds a ReadLock, or nothing is packed here.
    bool mayRead() const;

    /// The blocks that can be packed: full, large enough to have been mapped, not yet tried, and holding none of the
    /// hot entries (those read first: the newest and the pinned ones). Makes the calling thread the packing thread.
    std::vector<int> blocksToPack(const char *const *hot, qsizetype hotCount);
    /// Packs block; any thread. Null when packing would save too little.
    std::shared_ptr<PackedBlock> pack(int block) const;
    /// On the packing thread: puts the packed texts in place of the block's and gives its pages back. False, with
    /// nothing done, while another thread holds a ReadLock: try again later. A null packed marks the block as tried.
    bool publish(int block, const std::shared_ptr<PackedBlock> &packed);
    qsizetype packedBlockCount() const { return m_packedBlocks.load(std::memory_order_relaxed); }

    /// Held by a thread other than the packing thread while it reads texts (see above). Costs an uncontended shared
    /// lock; nests.
    class ReadLock {
    public:
        explicit ReadLock(std::shared_ptr<EntryArena> arena);
        ReadLock(const ReadLock &) = delete;
        ReadLock &operator=(const ReadLock &) = delete;
        ~ReadLock();

    private:
        std::shared_ptr<EntryArena> m_arena;
    };

private:
    // Large blocks are mapped on their own rather than taken from the allocator, whose heaps would keep the pages of
    // whatever was freed between them; only those can be packed.
    struct Block {
        char *data = nullptr;
        qsizetype size = 0;
        qsizetype used = -1;  // known once the block is full; -1 while texts are appended to it
        bool oneText = false;  // a long text's own block
        bool tried = false;  // packed, or found not worth packing
        qsizetype firstEntry = 0;  // how many texts were added before this block's first
        explicit Block(qsizetype bytes);
        Block(Block &&other) noexcept;
        Block &operator=(Block &&other) noexcept;
        Block(const Block &) = delete;
        Block &operator=(const Block &) = delete;
        ~Block();
        bool isMapped() const;
    };

    static QByteArrayView readAt(const char *entry);
    static std::shared_ptr<PackedBlock> compress(const char *data, qsizetype used, qsizetype size);
    /// Puts packed in the place of the block; under m_mutex, with no reader (an exclusive m_readers, or none possible).
    void install(Block &block, const std::shared_ptr<PackedBlock> &packed);
    QByteArrayView readPacked(const char *entry) const;
    /// The packed block holding entry, if any.
    const PackedBlock *packedBlockAt(const char *entry) const;

    mutable std::mutex m_mutex;
    std::vector<Block> m_blocks;
    char *m_free = nullptr;
    qsizetype m_left = 0;
    qsizetype m_nextBlock = 0;
    qsizetype m_capacity = 0;
    qsizetype m_current = -1;  // the block appends go to
    qsizetype m_added = 0;
    bool m_packWhenFull = false;

    // Sorted by address; changed only under an exclusive m_readers, on the packing thread.
    std::vector<std::shared_ptr<PackedBlock>> m_packed;
    std::atomic<qsizetype> m_packedBlocks{0};
    mutable std::shared_mutex m_readers;
    std::atomic<std::thread::id> m_packingThread{};
    // Tells this arena's runs apart in the per-thread caches from those of arenas gone before at the same addresses.
    const quint64 m_serial;
};

}  // namespace tavrin
