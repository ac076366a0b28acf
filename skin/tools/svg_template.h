#pragma once
// SVG sources with placeholders: "{{name}}" is replaced by the value of the
// variable name, or else by the palette colour of that name. A value is taken
// literally when it starts with '#', a digit, '-' or '.', or is "none";
// "@path" inserts the content of another SVG file (below the source folder,
// without its <svg> element, expanded with the same variables), so one
// template can carry any glyph; any other value names a palette colour.
#include "recipe_book.h"

#include <QByteArray>
#include <QDir>
#include <QString>

namespace skin {

// Expands the placeholders of a source text. Answers false with a message
// for an unknown name, an include nested too deep or an unreadable file.
struct Bindings {
    Vars vars;
    Vars palette;
};

bool ExpandSvgText(const QString& text, const Bindings& bindings, const QDir& root, QString& out, QString& error);

// Reads the file below root and expands it.
bool ExpandSvgFile(const QString& file, const Bindings& bindings, const QDir& root, QByteArray& out, QString& error);

// What lies between the <svg ...> start tag and the closing </svg>.
QString InnerSvg(const QString& text);

} // namespace skin
