#include "FileFilter.h"

#include <algorithm>

#include <QRegularExpression>

QList<FilterEntry> ParseFilter(const QString& filter) {
  QList<FilterEntry> entries;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    entries.append({parts[i], parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)});
  }
  return entries;
}

namespace {

// Where `description` ends in parentheses listing some of `patterns` only
// ("(*.txt)", "(*.dx;*.jdx)"), the position of its "("; -1 where it ends
// otherwise ("(AAA?????.bmp)" names no pattern).
qsizetype PatternGroupAt(const QString& description, const QStringList& patterns) {
  const qsizetype open = description.lastIndexOf(QLatin1Char('('));
  if (open < 0 || !description.endsWith(QLatin1Char(')'))) return -1;
  static const QRegularExpression separators(QStringLiteral("[;, ]+"));
  const QStringList shown =
      description.mid(open + 1, description.size() - open - 2).split(separators, Qt::SkipEmptyParts);
  const bool onlyPatterns = !shown.isEmpty() && std::all_of(shown.begin(), shown.end(), [&](const QString& word) {
    return patterns.contains(word);
  });
  return onlyPatterns ? open : -1;
}

}  // namespace

QStringList QtNameFilters(const QList<FilterEntry>& entries) {
  QStringList names;
  for (const FilterEntry& entry : entries) {
    const QString patterns = QLatin1Char('(') + entry.Patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    const QString own = entry.Description.trimmed();
    const qsizetype group = PatternGroupAt(own, entry.Patterns);
    names.append((group < 0 ? own + QLatin1Char(' ') : own.left(group)) + patterns);
  }
  return names;
}

int FilterPosition(const QStringList& nameFilters, const QString& nameFilter) {
  const qsizetype at = nameFilters.indexOf(nameFilter);
  return at < 0 ? 0 : static_cast<int>(at) + 1;
}
