// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/ListSearch.h"

#include "platform/Dispatcher.h"
#include "ui/lists/BackgroundRelease.h"

namespace tavrin {

struct ListSearch::Shared {
    // The newest search; a background filter for an older one stops early.
    std::atomic<quint64> latest{0};
};

ListSearch::ListSearch(Dispatcher &dispatcher, QObject *parent)
    : QObject(parent), m_dispatcher(dispatcher), m_shared(std::make_shared<Shared>())
{
}

ListSearch::~ListSearch()
{
    // A filter still running stops early; the lists go with this object.
    m_shared->latest.store(++m_generation);
}

void ListSearch::search(const EntryList &source, const QString &text)
{
    const quint64 generation = ++m_generation;
    m_shared->latest.store(generation);
    const SearchQuery query(text);

    // The same list object (shared, never changed in place while we hold it) means the same entries.
    const bool sameSource = m_source.constData() == source.constData() && m_source.size() == source.size();
    const bool narrow = sameSource && m_query && query.narrows(*m_query);
    const EntryList base = narrow ? m_complete : source;

    if (query.isEmpty() || base.size() <= m_threshold) {
        apply(generation, source, query, query.filter(base));
        return;
    }
    m_pending = true;
    filterInBackground(Run{generation, source, query, base}, 0, EntryList());
}

void ListSearch::filterInBackground(Run run, qsizetype from, EntryList found)
{
    const qsizetype to = from == 0 ? std::min(run.base.size(), m_firstSlice) : run.base.size();
    std::shared_ptr<Shared> shared = m_shared;
    m_dispatcher.runInBackground(
        Dispatcher::Lane::Search, this,
        [this, shared, run = std::move(run), from, to, found = std::move(found)]() mutable -> Dispatcher::Task {
            // Only the follow-up, run while this object exists, may use it.
            if (!filter(run.query, run.base, from, to, found, shared->latest, run.generation))
                return {};
            return [this, run = std::move(run), to, found = std::move(found)]() mutable {
                if (run.generation == m_generation && to < run.base.size()) {
                    // The newest entries' results go on screen now; an empty first step leaves the last results
                    // up. They are not the narrowing base: that stays the last complete search's.
                    if (!found.isEmpty()) {
                        releaseInBackground(m_dispatcher, this, std::exchange(m_results, found));
                        m_extendsShown = false;
                        m_partialShown = run.generation;
                        Q_EMIT resultsReady();
                    }
                    filterInBackground(std::move(run), to, std::move(found));
                    return;
                }
                apply(run.generation, run.source, run.query, found);
                // This search may have been the last holder of a long list: narrowed or outdated results.
                releaseInBackground(m_dispatcher, this, std::move(run.base));
                releaseInBackground(m_dispatcher, this, std::move(found));
            };
        });
}

void ListSearch::cancel()
{
    m_shared->latest.store(++m_generation);
    m_pending = false;
    m_source = EntryList();
    m_query.reset();
    releaseInBackground(m_dispatcher, this, std::exchange(m_complete, EntryList()));
    releaseInBackground(m_dispatcher, this, std::exchange(m_results, EntryList()));
}

void ListSearch::apply(quint64 generation, const EntryList &source, const SearchQuery &query, const EntryList &results)
{
    if (generation != m_generation)
        return;  // a newer keystroke, or the end of the search, came first
    m_pending = false;
    m_extendsShown = m_partialShown == generation;
    m_source = source;
    m_query = query;
    // The last complete results may be held nowhere else once first results of this search were shown.
    releaseInBackground(m_dispatcher, this, std::exchange(m_complete, results));
    releaseInBackground(m_dispatcher, this, std::exchange(m_results, results));
    Q_EMIT resultsReady();
}

qsizetype ListSearch::sourcePosition(const EntryList &source, const EntryList &results, qsizetype row)
{
    if (row < 0 || row >= results.size())
        return -1;
    // Equal entries all match or all do not, so the row-th result is the row-th entry in order equal to a result.
    qsizetype result = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source.storedAt(i) != results.storedAt(result))
            continue;
        if (result == row)
            return i;
        ++result;
    }
    return -1;
}

bool ListSearch::filter(const SearchQuery &query, const EntryList &list, qsizetype from, qsizetype to,
                        EntryList &results, const std::atomic<quint64> &latest, quint64 generation)
{
    constexpr qsizetype kCheckEvery = 2048;
    const EntryList::ReadLock reading(list);
    for (qsizetype i = from; i < to; ++i) {
        if ((i - from) % kCheckEvery == 0 && latest.load(std::memory_order_relaxed) != generation)
            return false;
        if (query.matchesStored(list.storedAt(i)))
            results.appendFrom(list, i);
    }
    return true;
}

}  // namespace tavrin
