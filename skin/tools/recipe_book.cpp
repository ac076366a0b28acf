#include "recipe_book.h"

#include "table_text.h"

#include <QColor>
#include <QRegularExpression>

namespace skin {

namespace {

bool SplitAssignment(const QString& word, QString& key, QString& value)
{
    const qsizetype eq = word.indexOf(u'=');
    if (eq <= 0 || eq == word.size() - 1)
        return false;
    key = word.left(eq);
    value = word.mid(eq + 1);
    return true;
}

bool ParseAssignments(const QStringList& words, qsizetype from, Vars& vars, int lineNo, QString& error)
{
    for (qsizetype i = from; i < words.size(); ++i) {
        QString key, value;
        if (!SplitAssignment(words[i], key, value)) {
            error = QStringLiteral("line %1: %2 is not key=value").arg(lineNo).arg(words[i]);
            return false;
        }
        vars.insert(key, value);
    }
    return true;
}

QString LineError(int lineNo, const QString& text) { return QStringLiteral("line %1: %2").arg(lineNo).arg(text); }

} // namespace

bool MatchPattern(const QString& pattern, const QString& name, QString* star)
{
    const qsizetype at = pattern.indexOf(u'*');
    if (at < 0)
        return pattern == name;
    const QString head = pattern.left(at);
    const QString tail = pattern.mid(at + 1);
    if (name.size() <= head.size() + tail.size() || !name.startsWith(head) || !name.endsWith(tail))
        return false;
    const QString middle = name.mid(head.size(), name.size() - head.size() - tail.size());
    if (middle.contains(u'\\'))
        return false;
    if (star)
        *star = middle;
    return true;
}

bool RecipeBook::Read(const QString& path, QString& error)
{
    QString text;
    return ReadTextFile(path, text, error) && Parse(text, error);
}

bool RecipeBook::Parse(const QString& text, QString& error)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    m_palette.clear();
    m_states.clear();
    m_recipes.clear();
    return ForEachTableLine(
        text, [&](const QString& line, int lineNo) { return ParseLine(line.split(blanks), lineNo, error); });
}

bool RecipeBook::ParseLine(const QStringList& words, int lineNo, QString& error)
{
    const QString& kind = words.front();
    if (kind == QLatin1String("palette")) {
        if (words.size() != 3 || !words[2].startsWith(u'#') || !QColor::isValidColorName(words[2])) {
            error = LineError(lineNo, QStringLiteral("palette needs a name and a #RRGGBB colour"));
            return false;
        }
        m_palette.insert(words[1], words[2]);
        return true;
    }
    if (kind == QLatin1String("state")) {
        if (words.size() < 4) {
            error = LineError(lineNo, QStringLiteral("state needs a set, a state and variables"));
            return false;
        }
        Vars& row = m_states[words[1]][words[2]];
        return ParseAssignments(words, 3, row, lineNo, error);
    }
    if (kind == QLatin1String("image"))
        return ParseImage(words, lineNo, error);
    error = LineError(lineNo, QStringLiteral("unknown line kind %1").arg(kind));
    return false;
}

bool RecipeBook::ParseImage(const QStringList& words, int lineNo, QString& error)
{
    if (words.size() < 3) {
        error = LineError(lineNo, QStringLiteral("image needs a pattern and a source"));
        return false;
    }
    Recipe recipe;
    recipe.pattern = words[1];
    recipe.svg = words[2];
    recipe.line = lineNo;
    Vars given;
    if (!ParseAssignments(words, 3, given, lineNo, error))
        return false;
    bool ok = true;
    for (auto it = given.cbegin(); it != given.cend() && ok; ++it) {
        if (it.key() == QLatin1String("states"))
            recipe.stateSet = it.value();
        else if (it.key() == QLatin1String("margin"))
            recipe.margin = it.value().toInt(&ok);
        else if (it.key() == QLatin1String("px"))
            recipe.pixels = it.value().toInt(&ok);
        else if (it.key() == QLatin1String("scale"))
            recipe.scale = it.value().toDouble(&ok);
        else
            recipe.vars.insert(it.key(), it.value());
    }
    if (!ok || recipe.margin < 0 || recipe.pixels < 0 || recipe.scale <= 0) {
        error = LineError(lineNo, QStringLiteral("bad option value"));
        return false;
    }
    const bool hasStar = recipe.pattern.contains(u'*');
    if (hasStar != !recipe.stateSet.isEmpty()) {
        error = LineError(lineNo, QStringLiteral("a '*' pattern and states= go together"));
        return false;
    }
    if (hasStar && !m_states.contains(recipe.stateSet)) {
        error = LineError(lineNo, QStringLiteral("unknown state set %1").arg(recipe.stateSet));
        return false;
    }
    m_recipes.append(recipe);
    return true;
}

const Recipe* RecipeBook::Find(const QString& name, Vars& vars, QString& error) const
{
    const Recipe* found = nullptr;
    QString state;
    for (const Recipe& recipe : m_recipes) {
        QString star;
        if (!MatchPattern(recipe.pattern, name, &star))
            continue;
        if (found) {
            error = QStringLiteral("%1 matches the recipes of lines %2 and %3")
                        .arg(name)
                        .arg(found->line)
                        .arg(recipe.line);
            return nullptr;
        }
        found = &recipe;
        state = star;
    }
    if (!found) {
        error = QStringLiteral("no recipe draws %1").arg(name);
        return nullptr;
    }
    vars = found->vars;
    if (!found->stateSet.isEmpty()) {
        const QString stem = state.section(u'.', 0, 0);
        const QMap<QString, Vars> rows = m_states.value(found->stateSet);
        if (!rows.contains(stem)) {
            error = QStringLiteral("state set %1 has no row %2 (for %3)").arg(found->stateSet, stem, name);
            return nullptr;
        }
        vars.insert(rows[stem]);
    }
    return found;
}

} // namespace skin
