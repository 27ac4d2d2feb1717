// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/EntryList.h"

#include "store/PropertyListCodec.h"

#include <algorithm>
#include <cstring>
#include <new>

#include <sys/mman.h>

namespace tavrin {

namespace {

// A new arena starts small (a group, a few captures) and doubles up to the full size.
constexpr qsizetype kFirstBlock = qsizetype(4) << 10;
constexpr qsizetype kFullBlock = qsizetype(1) << 20;
// Longer texts get a block of their own rather than leave the rest of the current one unused.
constexpr qsizetype kOwnBlockFrom = kFullBlock / 4;
constexpr qsizetype kMaxLengthBytes = 10;
// Blocks from this size on are mapped on their own.
constexpr qsizetype kMapFrom = qsizetype(64) << 10;

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

QByteArrayView readStored(const char *p)
{
    quint64 n = 0;
    int shift = 0;
    for (;;) {
        const auto byte = quint64(uchar(*p++));
        n |= (byte & 0x7F) << shift;
        if (byte < 0x80)
            break;
        shift += 7;
    }
    return {p, qsizetype(n)};
}

}  // namespace

EntryArena::Block::Block(qsizetype bytes) : size(bytes)
{
    if (bytes >= kMapFrom) {
        void *mapped = ::mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        data = static_cast<char *>(mapped);
    } else {
        data = new char[size_t(bytes)];
    }
}

EntryArena::Block &EntryArena::Block::operator=(Block &&other) noexcept
{
    if (this != &other) {
        Block gone(std::move(*this));
        data = std::exchange(other.data, nullptr);
        size = std::exchange(other.size, 0);
    }
    return *this;
}

EntryArena::Block::~Block()
{
    if (!data)
        return;
    if (size >= kMapFrom)
        ::munmap(data, size_t(size));
    else
        delete[] data;
}

const char *EntryArena::add(QByteArrayView stored)
{
    char length[kMaxLengthBytes];
    const int lengthBytes = putLength(length, quint64(stored.size()));
    const qsizetype need = lengthBytes + stored.size();
    const std::lock_guard lock(m_mutex);
    char *at = nullptr;
    if (need >= kOwnBlockFrom) {
        // A block of its own; appends go on in the current one.
        m_blocks.emplace_back(need);
        at = m_blocks.back().data;
        m_capacity += need;
    } else {
        if (need > m_left) {
            m_nextBlock = std::clamp(m_nextBlock * 2, kFirstBlock, kFullBlock);
            const qsizetype block = std::max(m_nextBlock, need);
            m_blocks.emplace_back(block);
            m_free = m_blocks.back().data;
            m_left = block;
            m_capacity += block;
        }
        at = m_free;
        m_free += need;
        m_left -= need;
    }
    std::memcpy(at, length, size_t(lengthBytes));
    if (!stored.isEmpty())
        std::memcpy(at + lengthBytes, stored.data(), size_t(stored.size()));
    return at;
}

qsizetype EntryArena::capacity() const
{
    const std::lock_guard lock(m_mutex);
    return m_capacity;
}

void EntryArena::take(EntryArena &&other)
{
    const std::scoped_lock lock(m_mutex, other.m_mutex);
    m_blocks.insert(m_blocks.end(), std::make_move_iterator(other.m_blocks.begin()),
                    std::make_move_iterator(other.m_blocks.end()));
    m_capacity += std::exchange(other.m_capacity, 0);
    other.m_blocks.clear();
    other.m_free = nullptr;
    other.m_left = 0;
}

EntryList::EntryList(std::initializer_list<QString> texts)
{
    m_index.reserve(qsizetype(texts.size()));
    for (const QString &text : texts)
        append(text);
}

EntryList::EntryList(const QStringList &texts)
{
    m_index.reserve(texts.size());
    for (const QString &text : texts)
        append(text);
}

QByteArray EntryList::storedForm(const QString &text)
{
    return plist::escapeUnencodable(text).toUtf8();
}

QByteArrayView EntryList::storedAt(qsizetype i) const
{
    return readStored(m_index.at(i));
}

QString EntryList::at(qsizetype i) const
{
    const QByteArrayView stored = storedAt(i);
    return plist::textFromUtf8(stored.data(), stored.size());
}

bool EntryList::isAt(qsizetype i, const QString &text) const
{
    return storedAt(i) == QByteArrayView(storedForm(text));
}

qsizetype EntryList::indexOf(const QString &text, qsizetype from) const
{
    const QByteArray stored = storedForm(text);
    for (qsizetype i = std::max<qsizetype>(from, 0); i < size(); ++i) {
        if (storedAt(i) == QByteArrayView(stored))
            return i;
    }
    return -1;
}

qsizetype EntryList::lastIndexOf(const QString &text, qsizetype from) const
{
    const QByteArray stored = storedForm(text);
    for (qsizetype i = from < 0 || from >= size() ? size() - 1 : from; i >= 0; --i) {
        if (storedAt(i) == QByteArrayView(stored))
            return i;
    }
    return -1;
}

EntryArena &EntryList::arena()
{
    if (!m_arena)
        m_arena = std::make_shared<EntryArena>();
    return *m_arena;
}

void EntryList::append(const QString &text)
{
    appendStored(storedForm(text));
}

void EntryList::appendStored(QByteArrayView stored)
{
    m_index.append(arena().add(stored));
}

void EntryList::appendFrom(const EntryList &other, qsizetype i)
{
    if (m_arena != other.m_arena) {
        if (!m_index.isEmpty()) {
            appendStored(other.storedAt(i));
            return;
        }
        m_arena = other.m_arena;
    }
    m_index.append(other.m_index.at(i));
}

void EntryList::append(EntryList &&other)
{
    if (other.isEmpty())
        return;
    if (isEmpty()) {
        *this = std::move(other);
        return;
    }
    if (m_arena != other.m_arena) {
        // Pieces read on their own threads are taken over; the texts of a list still shared are copied.
        if (other.m_arena.use_count() > 1) {
            for (qsizetype i = 0; i < other.size(); ++i)
                appendStored(other.storedAt(i));
            other.clear();
            return;
        }
        arena().take(std::move(*other.m_arena));
    }
    m_index.append(std::move(other.m_index));
    other.clear();
}

void EntryList::insert(qsizetype i, const QString &text)
{
    const char *entry = arena().add(storedForm(text));
    // QList keeps spare room before its first element: an insertion near the front moves only the elements before.
    if (i > m_index.size() / 2) {
        m_index.insert(i, entry);
        return;
    }
    m_index.prepend(entry);
    std::rotate(m_index.begin(), m_index.begin() + 1, m_index.begin() + i + 1);
}

void EntryList::removeAt(qsizetype i)
{
    if (i > m_index.size() / 2) {
        m_index.removeAt(i);
        return;
    }
    std::rotate(m_index.begin(), m_index.begin() + i, m_index.begin() + i + 1);
    m_index.removeFirst();
}

void EntryList::clear()
{
    m_index.clear();
    m_arena.reset();
}

EntryList EntryList::mid(qsizetype from, qsizetype n) const
{
    EntryList part;
    part.m_arena = m_arena;
    part.m_index = m_index.mid(from, n);
    return part;
}

QStringList EntryList::toStringList() const
{
    QStringList texts;
    texts.reserve(size());
    for (QString text : *this)
        texts.append(std::move(text));
    return texts;
}

bool EntryList::operator==(const EntryList &other) const
{
    if (size() != other.size())
        return false;
    for (qsizetype i = 0; i < size(); ++i) {
        if (m_index.at(i) != other.m_index.at(i) && storedAt(i) != other.storedAt(i))
            return false;
    }
    return true;
}

bool operator==(const EntryList &list, const QStringList &texts)
{
    if (list.size() != texts.size())
        return false;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!list.isAt(i, texts.at(i)))
            return false;
    }
    return true;
}

}  // namespace tavrin
