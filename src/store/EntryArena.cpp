// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/EntryArena.h"

#include <QLoggingCategory>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include <lz4.h>
#include <sys/mman.h>

namespace tavrin {

namespace {

Q_LOGGING_CATEGORY(lcArena, "tavrin.store.arena", QtInfoMsg)

// A new arena starts small (a group, a few captures) and doubles up to the full size.
constexpr qsizetype kFirstBlock = qsizetype(4) << 10;
constexpr qsizetype kFullBlock = qsizetype(1) << 20;
// Longer texts get a block of their own rather than leave the rest of the current one unused.
constexpr qsizetype kOwnBlockFrom = kFullBlock / 4;
constexpr qsizetype kMaxLengthBytes = 10;
// Blocks from this size on are mapped on their own.
constexpr qsizetype kMapFrom = qsizetype(64) << 10;
// Texts are packed in runs of about this size: a text read alone unpacks little (a few microseconds), and LZ4 still
// finds most of what it would in a whole block.
constexpr qsizetype kRunSize = qsizetype(16) << 10;
// A block whose texts pack to more than this share of their size stays as it is.
constexpr double kWorthPacking = 0.9;

int putLength(char *out, quint64 n)
{
    int i = 0;
    while (n >= 0x80) {
        out[i++] = char(0x80 | (n & 0x7F));
        n >>= 7;
    }
    out[i++] = char(n);
    return i;
}

std::atomic<quint64> g_nextSerial{1};

// Read locks this thread holds, of any arena: enough for the check that off-thread reads are covered.
thread_local int t_readLocks = 0;

// The runs this thread unpacked last. A view into one stays valid until kRuns others were unpacked after it.
struct UnpackedRuns {
    static constexpr int kRuns = 8;
    struct Run {
        quint64 arena = 0;
        const char *begin = nullptr;  // the run's address in the arena
        const char *end = nullptr;
        std::unique_ptr<char[]> bytes;
        qsizetype room = 0;
        quint64 used = 0;
    };
    std::array<Run, kRuns> runs;
    quint64 clock = 0;
};
thread_local UnpackedRuns t_unpacked;

}  // namespace

struct EntryArena::PackedBlock {
    struct Run {
        quint32 offset = 0;  // in the raw block
        quint32 size = 0;
        quint32 packedOffset = 0;
        quint32 packedSize = 0;
    };
    const char *begin = nullptr;  // the raw block's address, kept reserved
    qsizetype size = 0;  // its mapped size
    std::vector<Run> runs;
    Block bytes{0};
};

EntryArena::Block::Block(qsizetype bytes) : size(bytes)
{
    if (bytes == 0)
        return;
    if (bytes >= kMapFrom) {
        // Filled whole right away: its pages are made in one call rather than faulted in one at a time, which on a
        // virtual machine costs more than the copying (a million entries read 150 to 250 ms sooner).
        void *mapped =
            ::mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        data = static_cast<char *>(mapped);
    } else {
        data = new char[size_t(bytes)];
    }
}

EntryArena::Block::Block(Block &&other) noexcept
    : data(std::exchange(other.data, nullptr)),
      size(std::exchange(other.size, 0)),
      used(other.used),
      oneText(other.oneText),
      tried(other.tried)
{
}

EntryArena::Block &EntryArena::Block::operator=(Block &&other) noexcept
{
    if (this != &other) {
        Block gone(std::move(*this));
        data = std::exchange(other.data, nullptr);
        size = std::exchange(other.size, 0);
        used = other.used;
        oneText = other.oneText;
        tried = other.tried;
    }
    return *this;
}

EntryArena::Block::~Block()
{
    if (!data)
        return;
    if (isMapped())
        ::munmap(data, size_t(size));
    else
        delete[] data;
}

bool EntryArena::Block::isMapped() const
{
    return size >= kMapFrom;
}

EntryArena::EntryArena() : m_serial(g_nextSerial.fetch_add(1)) {}

EntryArena::~EntryArena() = default;

const char *EntryArena::add(QByteArrayView stored)
{
    char length[kMaxLengthBytes];
    const int lengthBytes = putLength(length, quint64(stored.size()));
    const qsizetype need = lengthBytes + stored.size();
    const std::lock_guard lock(m_mutex);
    char *at = nullptr;
    if (need >= kOwnBlockFrom) {
        // A block of its own; appends go on in the current one.
        Block &own = m_blocks.emplace_back(need);
        own.used = need;
        own.oneText = true;
        own.firstEntry = m_added;
        at = own.data;
        m_capacity += need;
    } else {
        if (need > m_left) {
            if (m_current >= 0) {
                Block &full = m_blocks[size_t(m_current)];
                full.used = full.size - m_left;
                if (m_packWhenFull && full.isMapped() && full.firstEntry >= kHotEntries) {
                    full.tried = true;
                    if (const std::shared_ptr<PackedBlock> packed = compress(full.data, full.used, full.size))
                        install(full, packed);
                }
            }
            m_nextBlock = std::clamp(m_nextBlock * 2, kFirstBlock, kFullBlock);
            const qsizetype block = std::max(m_nextBlock, need);
            m_blocks.emplace_back(block).firstEntry = m_added;
            m_current = qsizetype(m_blocks.size()) - 1;
            m_free = m_blocks.back().data;
            m_left = block;
            m_capacity += block;
        }
        at = m_free;
        m_free += need;
        m_left -= need;
    }
    ++m_added;
    std::memcpy(at, length, size_t(lengthBytes));
    if (!stored.isEmpty())
        std::memcpy(at + lengthBytes, stored.data(), size_t(stored.size()));
    return at;
}

void EntryArena::setPackWhenFull(bool on)
{
    const std::lock_guard lock(m_mutex);
    m_packWhenFull = on;
}

qsizetype EntryArena::capacity() const
{
    const std::lock_guard lock(m_mutex);
    return m_capacity;
}

void EntryArena::take(EntryArena &&other)
{
    const std::scoped_lock lock(m_mutex, other.m_mutex);
    // Other's current block is full as far as this arena is concerned: appends go on in this one's.
    if (other.m_current >= 0)
        other.m_blocks[size_t(other.m_current)].used = other.m_blocks[size_t(other.m_current)].size - other.m_left;
    m_blocks.insert(m_blocks.end(), std::make_move_iterator(other.m_blocks.begin()),
                    std::make_move_iterator(other.m_blocks.end()));
    m_capacity += std::exchange(other.m_capacity, 0);
    m_packed.insert(m_packed.end(), other.m_packed.begin(), other.m_packed.end());
    std::sort(m_packed.begin(), m_packed.end(), [](const auto &a, const auto &b) { return a->begin < b->begin; });
    m_packedBlocks.fetch_add(other.m_packedBlocks.exchange(0));
    other.m_packed.clear();
    other.m_blocks.clear();
    other.m_free = nullptr;
    other.m_left = 0;
    other.m_current = -1;
}

QByteArrayView EntryArena::readAt(const char *entry)
{
    quint64 n = 0;
    int shift = 0;
    for (;;) {
        const auto byte = quint64(uchar(*entry++));
        n |= (byte & 0x7F) << shift;
        if (byte < 0x80)
            break;
        shift += 7;
    }
    return {entry, qsizetype(n)};
}

bool EntryArena::mayRead() const
{
    const std::thread::id packing = m_packingThread.load(std::memory_order_relaxed);
    return packing == std::thread::id() || packing == std::this_thread::get_id() || t_readLocks > 0;
}

const EntryArena::PackedBlock *EntryArena::packedBlockAt(const char *entry) const
{
    const auto after =
        std::upper_bound(m_packed.begin(), m_packed.end(), entry,
                         [](const char *p, const std::shared_ptr<PackedBlock> &b) { return p < b->begin; });
    if (after == m_packed.begin())
        return nullptr;
    const PackedBlock &block = **std::prev(after);
    return entry < block.begin + block.size ? &block : nullptr;
}

QByteArrayView EntryArena::readPacked(const char *entry) const
{
    Q_ASSERT(mayRead());
    UnpackedRuns &cache = t_unpacked;
    UnpackedRuns::Run *oldest = &cache.runs[0];
    for (UnpackedRuns::Run &run : cache.runs) {
        if (run.arena == m_serial && entry >= run.begin && entry < run.end) {
            run.used = ++cache.clock;
            return readAt(run.bytes.get() + (entry - run.begin));
        }
        if (run.used < oldest->used)
            oldest = &run;
    }
    const PackedBlock *block = packedBlockAt(entry);
    if (!block)
        return readAt(entry);
    const auto offset = quint32(entry - block->begin);
    const auto next = std::upper_bound(block->runs.begin(), block->runs.end(), offset,
                                       [](quint32 o, const PackedBlock::Run &r) { return o < r.offset; });
    const PackedBlock::Run &packed = *std::prev(next);
    UnpackedRuns::Run &run = *oldest;
    if (run.room < qsizetype(packed.size)) {
        run.bytes.reset(new char[packed.size]);
        run.room = packed.size;
    }
    const int unpacked = LZ4_decompress_safe(block->bytes.data + packed.packedOffset, run.bytes.get(),
                                             int(packed.packedSize), int(packed.size));
    // Our own bytes, written by pack(): anything else is memory gone bad, and reading on would hand out garbage.
    if (unpacked != int(packed.size))
        qFatal("a packed run of texts could not be unpacked (%d of %u bytes)", unpacked, packed.size);
    run.arena = m_serial;
    run.begin = block->begin + packed.offset;
    run.end = run.begin + packed.size;
    run.used = ++cache.clock;
    return readAt(run.bytes.get() + (offset - packed.offset));
}

std::vector<int> EntryArena::blocksToPack(const char *const *hot, qsizetype hotCount)
{
    m_packingThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
    struct Candidate {
        const char *begin;
        const char *end;
        int block;
        bool hot;
    };
    std::vector<Candidate> candidates;
    {
        const std::lock_guard lock(m_mutex);
        for (size_t i = 0; i < m_blocks.size(); ++i) {
            const Block &block = m_blocks[i];
            if (block.isMapped() && !block.oneText && !block.tried && block.used > 0)
                candidates.push_back({block.data, block.data + block.size, int(i), false});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const auto &a, const auto &b) { return a.begin < b.begin; });
    for (qsizetype i = 0; i < hotCount; ++i) {
        const auto after = std::upper_bound(candidates.begin(), candidates.end(), hot[i],
                                            [](const char *p, const Candidate &c) { return p < c.begin; });
        if (after != candidates.begin() && hot[i] < std::prev(after)->end)
            std::prev(after)->hot = true;
    }
    std::vector<int> blocks;
    for (const Candidate &candidate : candidates) {
        if (!candidate.hot)
            blocks.push_back(candidate.block);
    }
    std::sort(blocks.begin(), blocks.end());
    return blocks;
}

std::shared_ptr<EntryArena::PackedBlock> EntryArena::pack(int index) const
{
    const char *data = nullptr;
    qsizetype used = 0;
    qsizetype size = 0;
    {
        const std::lock_guard lock(m_mutex);
        const Block &block = m_blocks.at(size_t(index));
        Q_ASSERT(block.used > 0 && !block.tried);
        data = block.data;
        used = block.used;
        size = block.size;
    }
    // The block is full and stays raw until published on the packing thread, so it is read without the lock.
    return compress(data, used, size);
}

std::shared_ptr<EntryArena::PackedBlock> EntryArena::compress(const char *data, qsizetype used, qsizetype size)
{
    auto packed = std::make_shared<PackedBlock>();
    packed->begin = data;
    packed->size = size;
    // Packing stops once it is not worth it, before the output can outgrow the input.
    const auto worthIt = qsizetype(kWorthPacking * double(used));
    const int room = LZ4_compressBound(int(kOwnBlockFrom + kRunSize)) + int(worthIt);
    // Kept by the thread: a new buffer for each block would be new pages to fault in each time.
    thread_local std::vector<char> scratch;
    if (qsizetype(scratch.size()) < room)
        scratch.resize(size_t(room));
    char *out = scratch.data();
    qsizetype outSize = 0;
    qsizetype at = 0;
    while (at < used) {
        if (outSize > worthIt)
            return nullptr;
        // A run of whole texts: a text is never split between runs.
        qsizetype end = at;
        while (end < used && end - at < kRunSize) {
            const QByteArrayView text = readAt(data + end);
            end = text.data() + text.size() - data;
        }
        const int n = LZ4_compress_default(data + at, out + outSize, int(end - at), room - int(outSize));
        if (n <= 0) {
            qCWarning(lcArena, "texts could not be packed (LZ4 said %d); they stay as they are", n);
            return nullptr;
        }
        packed->runs.push_back({quint32(at), quint32(end - at), quint32(outSize), quint32(n)});
        outSize += n;
        at = end;
    }
    if (outSize > worthIt)
        return nullptr;
    packed->bytes = Block(outSize);
    std::memcpy(packed->bytes.data, out, size_t(outSize));
    return packed;
}

bool EntryArena::publish(int index, const std::shared_ptr<PackedBlock> &packed)
{
    Q_ASSERT(m_packingThread.load() == std::this_thread::get_id());
    const std::unique_lock readers(m_readers, std::try_to_lock);
    if (!readers.owns_lock())
        return false;
    const std::lock_guard lock(m_mutex);
    Block &block = m_blocks.at(size_t(index));
    if (block.tried)
        return true;
    block.tried = true;
    if (packed)
        install(block, packed);
    return true;
}

void EntryArena::install(Block &block, const std::shared_ptr<PackedBlock> &packed)
{
    Q_ASSERT(packed->begin == block.data && packed->size == block.size);
    // The raw pages go; the range stays reserved (inaccessible) so that no other mapping takes the texts' addresses.
    if (::mmap(block.data, size_t(block.size), PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED | MAP_NORESERVE, -1,
               0) == MAP_FAILED) {
        qCWarning(lcArena, "a block of texts stays unpacked: its pages could not be given back (%s)",
                  std::strerror(errno));
        return;
    }
    const auto at = std::upper_bound(m_packed.begin(), m_packed.end(), packed->begin,
                                     [](const char *p, const std::shared_ptr<PackedBlock> &b) { return p < b->begin; });
    m_packed.insert(at, packed);
    m_capacity += packed->bytes.size - block.size;
    m_packedBlocks.fetch_add(1, std::memory_order_relaxed);
}

EntryArena::ReadLock::ReadLock(std::shared_ptr<EntryArena> arena) : m_arena(std::move(arena))
{
    if (!m_arena)
        return;
    m_arena->m_readers.lock_shared();
    ++t_readLocks;
}

EntryArena::ReadLock::~ReadLock()
{
    if (!m_arena)
        return;
    --t_readLocks;
    m_arena->m_readers.unlock_shared();
}

}  // namespace tavrin
