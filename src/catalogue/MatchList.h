#pragma once

#include <QList>
#include <QString>

// The matches of the current selection, in catalogue order. It grows with the
// selection, so no match is ever dropped, whatever the catalogue holds.
class MatchList
{
public:
    struct Match
    {
        int catalogueIndex = -1;
        QString displayText;
        QString pdfName;
    };

    void clear() { m_matches.clear(); }
    void append(Match match) { m_matches.append(std::move(match)); }
    int count() const { return int(m_matches.size()); }
    bool contains(int index) const { return index >= 0 && index < m_matches.size(); }
    const Match& at(int index) const { return m_matches.at(index); }
    const QList<Match>& matches() const { return m_matches; }

private:
    QList<Match> m_matches;
};
