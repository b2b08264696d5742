#include "shell/gui/file_filter.h"

#include <QStringList>

namespace vellix::gui {

QString QtFileFilter(const QString& filter) {
  QStringList parts = filter.split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i].trimmed();
    if (name.isEmpty()) break;  // the closing "||"
    const qsizetype paren = name.indexOf('(');
    if (paren > 0) name = name.left(paren).trimmed();
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      const QString trimmed = pattern.trimmed();
      if (trimmed.isEmpty()) continue;
      patterns << (trimmed == "*.*" ? QStringLiteral("*") : trimmed);
    }
    if (patterns.isEmpty()) patterns << "*";
    entries << name + " (" + patterns.join(' ') + ")";
  }
  return entries.join(";;");
}

}  // namespace vellix::gui
