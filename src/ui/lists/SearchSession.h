// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EntryList.h"

#include <QObject>

namespace tavrin {

class Dispatcher;
class ListSearch;

// The search of one list view as the view sees it: whether a search is on, and the results to show meanwhile (the
// list as it was until the first results arrive). The filtering itself is a ListSearch's.
class SearchSession : public QObject {
    Q_OBJECT
public:
    explicit SearchSession(Dispatcher &dispatcher, QObject *parent = nullptr);

    bool isSearching() const { return m_searching; }
    const EntryList &results() const { return m_results; }
    /// True when results() are the earlier results of the same search with more rows after them.
    bool resultsExtendShown() const { return m_extendsShown; }
    /// The results while searching, else source.
    const EntryList &shownList(const EntryList &source) const { return m_searching ? m_results : source; }
    /// Where a shown row sits in source; -1 for no such row.
    qsizetype sourcePosition(const EntryList &source, qsizetype row) const;

    /// Starts a search over source, when none is on; true when it has just started (the view shows its list anew).
    bool start(const EntryList &source);
    /// Filters source for text; the results come with resultsArrived.
    void filter(const EntryList &source, const QString &text);
    /// Ends the search; results on their way are dropped. True when one was on.
    bool stop();

    ListSearch &engine() const { return *m_engine; }

Q_SIGNALS:
    /// New results of the search that is on are in results().
    void resultsArrived();

private:
    ListSearch *m_engine;
    bool m_searching = false;
    EntryList m_results;
    bool m_extendsShown = false;
};

}  // namespace tavrin
