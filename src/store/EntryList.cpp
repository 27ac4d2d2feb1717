// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/EntryList.h"

#include "store/PropertyListCodec.h"

#include <algorithm>

namespace tavrin {

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

EntryArena &EntryList::arenaToAppend()
{
    if (!m_arena)
        m_arena = std::make_shared<EntryArena>();
    return *m_arena;
}

void EntryList::setPackWhenFull(bool on)
{
    if (on)
        arenaToAppend().setPackWhenFull(true);
    else if (m_arena)
        m_arena->setPackWhenFull(false);
}

void EntryList::append(const QString &text)
{
    appendStored(storedForm(text));
}

void EntryList::appendStored(QByteArrayView stored)
{
    m_index.append(arenaToAppend().add(stored));
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
        arenaToAppend().take(std::move(*other.m_arena));
    }
    m_index.append(std::move(other.m_index));
    other.clear();
}

void EntryList::insert(qsizetype i, const QString &text)
{
    const char *entry = arenaToAppend().add(storedForm(text));
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
