// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/SearchSession.h"

#include "ui/lists/ListSearch.h"

namespace tavrin {

SearchSession::SearchSession(Dispatcher &dispatcher, QObject *parent)
    : QObject(parent), m_engine(new ListSearch(dispatcher, this))
{
    connect(m_engine, &ListSearch::resultsReady, this, [this] {
        if (!m_searching)
            return;
        m_results = m_engine->results();
        m_extendsShown = m_engine->resultsExtendShown();
        Q_EMIT resultsArrived();
    });
}

qsizetype SearchSession::sourcePosition(const EntryList &source, qsizetype row) const
{
    if (!m_searching)
        return row >= 0 && row < source.size() ? row : -1;
    return ListSearch::sourcePosition(source, m_results, row);
}

bool SearchSession::start(const EntryList &source)
{
    if (m_searching)
        return false;
    m_searching = true;
    m_extendsShown = false;
    // Until the first results arrive the list keeps showing what it showed, without pin markers.
    m_results = source;
    return true;
}

void SearchSession::filter(const EntryList &source, const QString &text)
{
    m_engine->search(source, text);
}

bool SearchSession::stop()
{
    m_engine->cancel();
    const bool wasSearching = m_searching;
    m_searching = false;
    m_results.clear();
    return wasSearching;
}

}  // namespace tavrin
