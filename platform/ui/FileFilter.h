// The program's filter strings ("description|pat;pat|...") in the form Qt's
// file dialog takes them, and back to 1-based positions.
#pragma once

#include <QString>
#include <QStringList>

struct FilterEntry {
  QString Description;
  QStringList Patterns;
};

QList<FilterEntry> ParseFilter(const QString& filter);

// Qt takes a name filter's patterns from its last parenthesised group, so
// each name ends with all of its entry's patterns, once: a description that
// ends by listing some of them has that list replaced, any other gets them
// appended.
QStringList QtNameFilters(const QList<FilterEntry>& entries);

// 1-based position of `nameFilter` among the Qt name filters; entries that
// share patterns are told apart by their whole text. 0 when not found.
int FilterPosition(const QStringList& nameFilters, const QString& nameFilter);
