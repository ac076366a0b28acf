#pragma once
// The recipe book: how every image of the manifest is drawn. A text table of
// three kinds of lines:
//
//   palette <name> <#RRGGBB>
//   state   <set> <state> <var=value> ...
//   image   <pattern> <svg source> [<option or var=value> ...]
//
// A pattern is a manifest name in which one '*' may stand for the file name
// of a state image ("ToolBar\Open\*.png"); such a recipe names a state set,
// whose row for that file name supplies more variables. Options:
// states=<set>, margin=<nine-part corner margin in pixels>, px=<the same
// pixel size at every density>, scale=<the one factor a product image is
// rendered at>. Every other key=value is a template variable.
#include <QList>
#include <QMap>
#include <QString>

namespace skin {

using Vars = QMap<QString, QString>;

struct Recipe {
    QString pattern;
    QString svg;        // below the svg source folder
    QString stateSet;   // empty: a single image
    int margin = 0;     // nine-part corner margin; 0 = drawn plain
    int pixels = 0;     // fixed square size in pixels; 0 = scaled by density
    double scale = 1.0; // product images: the factor they are rendered at
    Vars vars;
    int line = 0;
};

// Whether a name matches a pattern; what '*' stood for goes to *star.
bool MatchPattern(const QString& pattern, const QString& name, QString* star = nullptr);

class RecipeBook {
public:
    bool Read(const QString& path, QString& error);
    bool Parse(const QString& text, QString& error);

    // The one recipe that draws a name, with the variables to expand its
    // source with (the recipe's, overridden by the state row's).
    // Null with a message when no recipe or several match, or the state set
    // has no row for the name.
    const Recipe* Find(const QString& name, Vars& vars, QString& error) const;

    const QList<Recipe>& Recipes() const { return m_recipes; }
    const Vars& Palette() const { return m_palette; }

private:
    bool ParseLine(const QStringList& words, int lineNo, QString& error);
    bool ParseImage(const QStringList& words, int lineNo, QString& error);

    Vars m_palette;
    QMap<QString, QMap<QString, Vars>> m_states;
    QList<Recipe> m_recipes;
};

} // namespace skin
