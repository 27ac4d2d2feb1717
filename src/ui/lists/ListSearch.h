// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/SearchQuery.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

namespace tavrin {

class Dispatcher;

// The search of a list, one keystroke at a time, that never holds up the GUI thread for long: a text that
// extends the last one narrows the last results, small lists are filtered at once, and large ones on a
// background thread whose results are applied when they arrive, unless a newer keystroke came first.
class ListSearch : public QObject {
    Q_OBJECT
public:
    /// Lists longer than this are filtered in the background.
    static constexpr qsizetype kDefaultBackgroundThreshold = 10000;

    explicit ListSearch(Dispatcher &dispatcher, QObject *parent = nullptr);
    ~ListSearch() override;

    /// Filters source for text: the entries that contain it, case-insensitively, unchanged and in order.
    /// resultsReady follows, at once or after the background filter.
    void search(const QStringList &source, const QString &text);
    /// Forgets the search; results still on their way are dropped.
    void cancel();

    /// True while a background filter for the latest text runs.
    bool isPending() const { return m_pending; }
    /// The results of the latest search that finished.
    const QStringList &results() const { return m_results; }

    void setBackgroundThreshold(qsizetype entries) { m_threshold = entries; }

    /// Where the result at row sits in the list that was searched (results are its matching entries in order);
    /// -1 when there is no such row.
    static qsizetype sourcePosition(const QStringList &source, const QStringList &results, qsizetype row);

Q_SIGNALS:
    void resultsReady();

private:
    struct Shared;

    void apply(quint64 generation, const QStringList &source, const SearchQuery &query, const QStringList &results);
    static std::optional<QStringList> filter(const SearchQuery &query, const QStringList &list,
                                             const std::atomic<quint64> &latest, quint64 generation);

    Dispatcher &m_dispatcher;
    std::shared_ptr<Shared> m_shared;
    quint64 m_generation = 0;
    qsizetype m_threshold = kDefaultBackgroundThreshold;
    bool m_pending = false;
    // The latest finished search: narrowing its results is only right for the same source.
    QStringList m_source;
    std::optional<SearchQuery> m_query;
    QStringList m_results;
};

}  // namespace tavrin
