// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryArena.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <utility>

namespace tavrin {

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
    /// The stored form of the text at i (see above): valid until the last list sharing its arena goes, or, for a
    /// packed text, until this thread has read texts of several others (see EntryArena::read).
    QByteArrayView storedAt(qsizetype i) const
    {
        Q_ASSERT(m_arena->mayRead());
        return m_arena->read(m_index.at(i));
    }
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
    /// See EntryArena::setPackWhenFull: for a list being read, which nothing else uses yet.
    void setPackWhenFull(bool on);
    /// The arena of the texts, shared with the copies; null for a list that never held any.
    const std::shared_ptr<EntryArena> &arena() const { return m_arena; }
    /// The entries' addresses in the arena, in order.
    const char *const *entryAddresses() const { return m_index.constData(); }

    /// Held while reading a list's texts off the thread that packs its arena (see EntryArena).
    class ReadLock : public EntryArena::ReadLock {
    public:
        explicit ReadLock(const EntryList &list) : EntryArena::ReadLock(list.m_arena) {}
    };

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
    EntryArena &arenaToAppend();

    std::shared_ptr<EntryArena> m_arena;
    QList<const char *> m_index;
};

}  // namespace tavrin
