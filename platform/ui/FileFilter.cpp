#include "FileFilter.h"

QList<FilterEntry> ParseFilter(const QString& filter) {
  QList<FilterEntry> entries;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    entries.append({parts[i], parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)});
  }
  return entries;
}

QStringList QtNameFilters(const QList<FilterEntry>& entries) {
  QStringList names;
  for (const FilterEntry& entry : entries) {
    const QString patterns = entry.Patterns.join(QLatin1Char(' '));
    const QString own = entry.Description.trimmed();
    if (own.endsWith(QLatin1Char(')')) && own.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
      names.append(own);
    } else {
      names.append(own + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
  }
  return names;
}

int FilterPosition(const QStringList& nameFilters, const QString& nameFilter) {
  const qsizetype at = nameFilters.indexOf(nameFilter);
  return at < 0 ? 0 : static_cast<int>(at) + 1;
}
