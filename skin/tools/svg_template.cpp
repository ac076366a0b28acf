#include "svg_template.h"

#include "table_text.h"

#include <QRegularExpression>

namespace skin {

namespace {

constexpr int kMaxDepth = 8; // includes inside includes

bool ReadText(const QDir& root, const QString& file, QString& text, QString& error)
{
    return ReadTextFile(root.filePath(file), text, error);
}

bool IsLiteral(const QString& value)
{
    if (value.isEmpty() || value == QLatin1String("none"))
        return true;
    const QChar first = value.front();
    return first == u'#' || first.isDigit() || first == u'-' || first == u'.';
}

bool Expand(const QString& text, const Bindings& bindings, const QDir& root, int depth, QString& out, QString& error);

bool Resolve(const QString& name, const Bindings& bindings, const QDir& root, int depth, QString& out, QString& error)
{
    if (!bindings.vars.contains(name)) {
        if (!bindings.palette.contains(name)) {
            error = QStringLiteral("unknown name %1").arg(name);
            return false;
        }
        out = bindings.palette.value(name);
        return true;
    }
    const QString value = bindings.vars.value(name);
    if (IsLiteral(value)) {
        out = value;
        return true;
    }
    if (value.startsWith(u'@')) {
        if (depth >= kMaxDepth) {
            error = QStringLiteral("includes nested too deep at %1").arg(value);
            return false;
        }
        QString included;
        return ReadText(root, value.mid(1), included, error)
            && Expand(InnerSvg(included), bindings, root, depth + 1, out, error);
    }
    if (!bindings.palette.contains(value)) {
        error = QStringLiteral("%1=%2 names no palette colour").arg(name, value);
        return false;
    }
    out = bindings.palette.value(value);
    return true;
}

bool Expand(const QString& text, const Bindings& bindings, const QDir& root, int depth, QString& out, QString& error)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([A-Za-z][A-Za-z0-9]*)\\}\\}"));
    out.clear();
    qsizetype done = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        QString value;
        if (!Resolve(match.captured(1), bindings, root, depth, value, error))
            return false;
        out += QStringView(text).mid(done, match.capturedStart() - done);
        out += value;
        done = match.capturedEnd();
    }
    out += QStringView(text).mid(done);
    return true;
}

} // namespace

QString InnerSvg(const QString& text)
{
    const qsizetype open = text.indexOf(QLatin1String("<svg"));
    const qsizetype start = open < 0 ? -1 : text.indexOf(u'>', open);
    const qsizetype end = text.lastIndexOf(QLatin1String("</svg>"));
    if (start < 0 || end < start)
        return {};
    return text.mid(start + 1, end - start - 1);
}

bool ExpandSvgText(const QString& text, const Bindings& bindings, const QDir& root, QString& out, QString& error)
{
    return Expand(text, bindings, root, 0, out, error);
}

bool ExpandSvgFile(const QString& file, const Bindings& bindings, const QDir& root, QByteArray& out, QString& error)
{
    QString text, expanded;
    if (!ReadText(root, file, text, error) || !ExpandSvgText(text, bindings, root, expanded, error)) {
        error = QStringLiteral("%1: %2").arg(file, error);
        return false;
    }
    out = expanded.toUtf8();
    return true;
}

} // namespace skin
