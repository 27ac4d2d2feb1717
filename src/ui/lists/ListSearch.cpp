// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/ListSearch.h"

#include "platform/Dispatcher.h"

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
    cancel();
}

void ListSearch::search(const QStringList &source, const QString &text)
{
    const quint64 generation = ++m_generation;
    m_shared->latest.store(generation);
    const SearchQuery query(text);

    // The same list object (shared, never changed in place while we hold it) means the same entries.
    const bool sameSource = m_source.constData() == source.constData() && m_source.size() == source.size();
    const bool narrow = sameSource && m_query && query.narrows(*m_query);
    const QStringList base = narrow ? m_results : source;

    if (query.isEmpty() || base.size() <= m_threshold) {
        apply(generation, source, query, query.filter(base));
        return;
    }
    m_pending = true;
    std::shared_ptr<Shared> shared = m_shared;
    m_dispatcher.runInBackground(
        Dispatcher::Lane::Search, this, [this, shared, source, query, base, generation]() -> Dispatcher::Task {
            // Only the follow-up, run while this object exists, may use it.
            std::optional<QStringList> results = filter(query, base, shared->latest, generation);
            if (!results)
                return {};
            return [this, source, query, generation, results = std::move(*results)] {
                apply(generation, source, query, results);
            };
        });
}

void ListSearch::cancel()
{
    m_shared->latest.store(++m_generation);
    m_pending = false;
    m_source = QStringList();
    m_query.reset();
    m_results = QStringList();
}

void ListSearch::apply(quint64 generation, const QStringList &source, const SearchQuery &query,
                       const QStringList &results)
{
    if (generation != m_generation)
        return;  // a newer keystroke, or the end of the search, came first
    m_pending = false;
    m_source = source;
    m_query = query;
    m_results = results;
    Q_EMIT resultsReady();
}

qsizetype ListSearch::sourcePosition(const QStringList &source, const QStringList &results, qsizetype row)
{
    if (row < 0 || row >= results.size())
        return -1;
    // Equal entries all match or all do not, so the row-th result is the row-th entry in order equal to a result.
    qsizetype result = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source.at(i) != results.at(result))
            continue;
        if (result == row)
            return i;
        ++result;
    }
    return -1;
}

std::optional<QStringList> ListSearch::filter(const SearchQuery &query, const QStringList &list,
                                              const std::atomic<quint64> &latest, quint64 generation)
{
    constexpr qsizetype kCheckEvery = 2048;
    QStringList results;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i % kCheckEvery == 0 && latest.load(std::memory_order_relaxed) != generation)
            return std::nullopt;
        if (query.matches(list.at(i)))
            results.append(list.at(i));
    }
    return results;
}

}  // namespace tavrin
