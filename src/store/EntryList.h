// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace tavrin {

// Where the texts of entry lists live: blocks filled one after the other and never moved, so that a text stays where
// it is for as long as any list refers to it. The copies of a list share its arena and may append to it from any
// thread (the lock covers appends only: a text, once written, is read without it).
class EntryArena {
public:
    EntryArena() = default;
    EntryArena(const EntryArena &) = delete;
    EntryArena &operator=(const EntryArena &) = delete;

    /// Copies a stored text, its length before it; where it starts.
    const char *add(QByteArrayView stored);
    /// Takes over other's blocks: texts stay where they are.
    void take(EntryArena &&other);
    /// Bytes held in blocks, for the memory figures.
    qsizetype capacity() const;

private:
    mutable std::mutex m_mutex;
    // Large blocks are mapped on their own rather than taken from the allocator, whose heaps would keep the pages of
    // whatever was freed between them.
    struct Block {
        char *data = nullptr;
        qsizetype size = 0;
        explicit Block(qsizetype bytes);
        Block(Block &&other) noexcept : data(std::exchange(other.data, nullptr)), size(std::exchange(other.size, 0)) {}
        Block &operator=(Block &&other) noexcept;
        Block(const Block &) = delete;
        Block &operator=(const Block &) = delete;
        ~Block();
    };
    std::vector<Block> m_blocks;
    char *m_free = nullptr;
    qsizetype m_left = 0;
    qsizetype m_nextBlock = 0;
    qsizetype m_capacity = 0;
};

// A list of texts held as UTF-8, about ten bytes per entry beside the text, instead of a QString each: a history of a
// million entries takes little more memory than its text. A text becomes a QString only where it is drawn, searched,
// pasted or sent (at()).
//
// A text is kept in its stored form: the UTF-8 of the text with the characters that UTF-8 or XML cannot carry
// (controls, unpaired surrogates) written as the history file writes them, so that any text fits and the file is
// written straight from the bytes.
//
// Copies share the texts and the order (copy on write, like QList): a copy costs nothing, and the first change of
// either copies the order (eight bytes an entry), never the texts.
class EntryList {
public:
    EntryList() = default;
    EntryList(std::initializer_list<QString> texts);
    /// Lists of a few texts (a group's, a test's) are given as QStringList.
    EntryList(const QStringList &texts);

    qsizetype size() const { return m_index.size(); }
    bool isEmpty() const { return m_index.isEmpty(); }

    /// The text at i.
    QString at(qsizetype i) const;
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    QString constFirst() const { return first(); }
    QString value(qsizetype i) const { return i >= 0 && i < size() ? at(i) : QString(); }
    /// The stored form of the text at i (see above): valid until the last list sharing its arena goes.
    QByteArrayView storedAt(qsizetype i) const;
    /// Whether the text at i is the same as text.
    bool isAt(qsizetype i, const QString &text) const;
    qsizetype indexOf(const QString &text, qsizetype from = 0) const;
    /// The last entry at or before from (-1: the end) that is text.
    qsizetype lastIndexOf(const QString &text, qsizetype from = -1) const;
    bool contains(const QString &text) const { return indexOf(text) >= 0; }

    void append(const QString &text);
    /// Appends a text given in its stored form, known to be valid UTF-8 without our escape mark.
    void appendStored(QByteArrayView stored);
    /// Appends other's entry i, sharing its text when both lists share an arena (as a list's results do).
    void appendFrom(const EntryList &other, qsizetype i);
    /// Appends all of other's entries, taking over its texts.
    void append(EntryList &&other);
    /// Inserts at i; near the front only the entries before i move.
    void insert(qsizetype i, const QString &text);
    /// Removes the entry at i; near the front only the entries before it move.
    void removeAt(qsizetype i);
    void move(qsizetype from, qsizetype to) { m_index.move(from, to); }
    void clear();
    void reserve(qsizetype n) { m_index.reserve(n); }

    /// The first n entries, sharing their texts.
    EntryList first(qsizetype n) const { return mid(0, n); }
    EntryList mid(qsizetype from, qsizetype n = -1) const;
    QStringList toStringList() const;

    /// False while a copy shares the order: the next change copies it.
    bool isDetached() const { return m_index.isDetached(); }
    /// Identity of the shared order: two lists with the same one (and size) hold the same entries.
    const void *constData() const { return m_index.constData(); }

    bool operator==(const EntryList &other) const;
    bool operator!=(const EntryList &other) const { return !(*this == other); }
    friend bool operator==(const EntryList &list, const QStringList &texts);
    friend bool operator==(const QStringList &texts, const EntryList &list) { return list == texts; }
    friend bool operator!=(const EntryList &list, const QStringList &texts) { return !(list == texts); }
    friend bool operator!=(const QStringList &texts, const EntryList &list) { return !(list == texts); }

    /// Bytes this list's arena holds in its blocks (shared with its copies).
    qsizetype arenaCapacity() const { return m_arena ? m_arena->capacity() : 0; }

    /// Goes through the texts in order, each made a QString as it is reached (for range-based loops).
    class TextIterator {
    public:
        TextIterator(const EntryList *list, qsizetype i) : m_list(list), m_i(i) {}
        QString operator*() const { return m_list->at(m_i); }
        TextIterator &operator++()
        {
            ++m_i;
            return *this;
        }
        bool operator==(const TextIterator &other) const { return m_i == other.m_i; }
        bool operator!=(const TextIterator &other) const { return m_i != other.m_i; }

    private:
        const EntryList *m_list;
        qsizetype m_i;
    };
    TextIterator begin() const { return {this, 0}; }
    TextIterator end() const { return {this, size()}; }

    /// The stored form of text.
    static QByteArray storedForm(const QString &text);

private:
    /// The arena to append to, made when there is none.
    EntryArena &arena();

    std::shared_ptr<EntryArena> m_arena;
    QList<const char *> m_index;
};

}  // namespace tavrin
