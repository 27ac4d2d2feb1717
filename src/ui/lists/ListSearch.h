// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"
#include "store/SearchQuery.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>

namespace tavrin {

class Dispatcher;

// The search of a list, one keystroke at a time, that never holds up the GUI thread for long: a text that
// extends the last one narrows the last results, small lists are filtered at once, and large ones on a
// background thread whose results are applied when they arrive, unless a newer keystroke came first.
// A large list is filtered in two steps: its newest entries first, whose results (the top of the list, what is
// on screen) are shown at once, then the rest.
class ListSearch : public QObject {
    Q_OBJECT
public:
    /// Lists longer than this are filtered in the background.
    static constexpr qsizetype kDefaultBackgroundThreshold = 10000;
    /// A background filter shows the results of this many entries first (a few milliseconds of scanning).
    static constexpr qsizetype kDefaultFirstSlice = 16384;

    explicit ListSearch(Dispatcher &dispatcher, QObject *parent = nullptr);
    ~ListSearch() override;

    /// Filters source for text: the entries that contain it, case-insensitively, unchanged and in order.
    /// resultsReady follows, at once or after the background filter.
    void search(const EntryList &source, const QString &text);
    /// Forgets the search; results still on their way are dropped.
    void cancel();

    /// True while a background filter for the latest text runs, also after its first results came.
    bool isPending() const { return m_pending; }
    /// The results of the latest search: complete unless isPending(), else those of its newest entries so far.
    const EntryList &results() const { return m_results; }
    /// True when results() are the rest of the same search's results shown before: they begin with those.
    bool resultsExtendShown() const { return m_extendsShown; }

    void setBackgroundThreshold(qsizetype entries) { m_threshold = entries; }
    void setFirstSlice(qsizetype entries) { m_firstSlice = entries; }

    /// Where the result at row sits in the list that was searched (results are its matching entries in order);
    /// -1 when there is no such row.
    static qsizetype sourcePosition(const EntryList &source, const EntryList &results, qsizetype row);

Q_SIGNALS:
    void resultsReady();

private:
    struct Shared;

    struct Run {
        quint64 generation;
        EntryList source;
        SearchQuery query;
        EntryList base;
    };
    /// Filters run.base from entry from on, adding to found; the first step stops after the first slice.
    void filterInBackground(Run run, qsizetype from, EntryList found);
    void apply(quint64 generation, const EntryList &source, const SearchQuery &query, const EntryList &results);
    static bool filter(const SearchQuery &query, const EntryList &list, qsizetype from, qsizetype to,
                       EntryList &results, const std::atomic<quint64> &latest, quint64 generation);

    Dispatcher &m_dispatcher;
    std::shared_ptr<Shared> m_shared;
    quint64 m_generation = 0;
    qsizetype m_threshold = kDefaultBackgroundThreshold;
    qsizetype m_firstSlice = kDefaultFirstSlice;
    bool m_pending = false;
    bool m_extendsShown = false;
    quint64 m_partialShown = 0;  // the search whose first results were shown
    // The latest finished search: narrowing its results is only right for the same source.
    EntryList m_source;
    std::optional<SearchQuery> m_query;
    EntryList m_complete;
    // What is shown: m_complete, or while a filter runs, the results of its newest entries so far.
    EntryList m_results;
};

}  // namespace tavrin
