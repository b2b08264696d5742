// File dialog filters: from the "Name|pattern|...||" form to Qt's form.
#pragma once

#include <QString>

namespace vellix::gui {

/// Translates a filter of the form "HTML Files (*.htm;*.html)|*.htm;
/// *.html|All Files (*.*)|*.*||" into Qt's "HTML Files (*.htm *.html);;All
/// Files (*)": each name keeps its text before the parenthesis, followed by
/// the patterns of its pair separated by blanks, with "*.*" written as "*".
QString QtFileFilter(const QString& filter);

}  // namespace vellix::gui
