#pragma once
// The line-oriented text tables of the skin (manifest, recipes): blank lines
// and lines starting with '#' carry nothing.
#include <QString>

#include <functional>

namespace skin {

bool ReadTextFile(const QString& path, QString& text, QString& error);

// Calls visit with each trimmed line that carries something and its 1-based
// number; stops at the first false and answers it.
bool ForEachTableLine(const QString& text, const std::function<bool(const QString& line, int lineNo)>& visit);

} // namespace skin
