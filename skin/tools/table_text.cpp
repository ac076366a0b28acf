#include "table_text.h"

#include <QFile>

namespace skin {

bool ReadTextFile(const QString& path, QString& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool ForEachTableLine(const QString& text, const std::function<bool(const QString& line, int lineNo)>& visit)
{
    int lineNo = 0;
    for (const QString& raw : text.split(u'\n')) {
        ++lineNo;
        const QString line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#') && !visit(line, lineNo))
            return false;
    }
    return true;
}

} // namespace skin
