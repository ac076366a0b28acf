#include "manifest.h"

#include "table_text.h"

#include <QSet>

namespace skin {

bool ReadManifest(const QString& path, Manifest& out, QString& error)
{
    QString text;
    return ReadTextFile(path, text, error) && ParseManifest(text, out, error);
}

bool ParseManifest(const QString& text, Manifest& out, QString& error)
{
    out = {};
    QStringList* section = nullptr;
    QSet<QString> seen;
    return ForEachTableLine(text, [&](const QString& line, int lineNo) {
        if (line == QLatin1String("[Skin]")) {
            section = &out.skin;
        } else if (line == QLatin1String("[Product]")) {
            section = &out.product;
        } else if (line.startsWith(u'[')) {
            error = QStringLiteral("line %1: unknown section %2").arg(lineNo).arg(line);
            return false;
        } else if (!section) {
            error = QStringLiteral("line %1: %2 stands outside a section").arg(lineNo).arg(line);
            return false;
        } else if (seen.contains(line)) {
            error = QStringLiteral("line %1: %2 is listed twice").arg(lineNo).arg(line);
            return false;
        } else {
            seen.insert(line);
            section->append(line);
        }
        return true;
    });
}

QString FilePathOf(const QString& name)
{
    QString path = name;
    path.replace(u'\\', u'/');
    return path;
}

} // namespace skin
