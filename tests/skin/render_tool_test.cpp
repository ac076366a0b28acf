// The render tool's parts: manifests, recipes, SVG placeholders, rendering a set.
#include "manifest.h"
#include "recipe_book.h"
#include "render_set.h"
#include "svg_template.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const kBook = R"(# a small book
palette ok   #2EB872
palette warn #F0523E
state button Normal  ink=ok   plate=none
state button Hover   ink=warn plate=#FFFFFF
image Bar\Open\*.png     button.svg states=button glyph=@open.svg ink=#000000
image Frame\Normal.png   frame.svg  margin=5 line=ok
image 14.png             marker.svg px=14
image Watermark_150.png  mark.svg   scale=1.5
)";

skin::RecipeBook Book()
{
    skin::RecipeBook book;
    QString error;
    EXPECT_TRUE(book.Parse(QString::fromUtf8(kBook), error)) << error.toStdString();
    return book;
}

TEST(SkinRecipes, PatternStarStandsForOneFileName)
{
    QString star;
    EXPECT_TRUE(skin::MatchPattern(QStringLiteral("A\\*.png"), QStringLiteral("A\\Hover.png"), &star));
    EXPECT_EQ(star, QStringLiteral("Hover"));
    for (const char* other : {"A\\B\\Hover.png", "A\\.png", "B\\Hover.png"})
        EXPECT_FALSE(skin::MatchPattern(QStringLiteral("A\\*.png"), QString::fromLatin1(other))) << other;
    EXPECT_TRUE(skin::MatchPattern(QStringLiteral("A\\B.png"), QStringLiteral("A\\B.png")));
    EXPECT_FALSE(skin::MatchPattern(QStringLiteral("A\\B.png"), QStringLiteral("A\\b.png")));
}

TEST(SkinRecipes, OptionsVariablesAndStateRows)
{
    const skin::RecipeBook book = Book();
    ASSERT_EQ(book.Recipes().size(), 4);
    const skin::Recipe& frame = book.Recipes()[1];
    EXPECT_EQ(std::tuple(frame.svg, frame.margin, frame.vars, book.Recipes()[2].pixels, book.Recipes()[3].scale),
              std::tuple(QStringLiteral("frame.svg"), 5, skin::Vars{{QStringLiteral("line"), QStringLiteral("ok")}}, 14,
                         1.5));
    EXPECT_EQ(book.Palette().value(QStringLiteral("warn")), QStringLiteral("#F0523E"));
    // A state row overrides the recipe's variables; a state without a row is an error.
    skin::Vars vars;
    QString error;
    const skin::Recipe* recipe = book.Find(QStringLiteral("Bar\\Open\\Hover.png"), vars, error);
    ASSERT_NE(recipe, nullptr) << error.toStdString();
    EXPECT_EQ(std::tuple(recipe->svg, vars.value(QStringLiteral("ink")), vars.value(QStringLiteral("plate")),
                         vars.value(QStringLiteral("glyph"))),
              std::tuple(QStringLiteral("button.svg"), QStringLiteral("warn"), QStringLiteral("#FFFFFF"),
                         QStringLiteral("@open.svg")));
    EXPECT_EQ(book.Find(QStringLiteral("Bar\\Open\\Down.png"), vars, error), nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("Down"))) << error.toStdString();
}

TEST(SkinRecipes, MalformedLinesAndNamesWithoutOrWithTwoRecipesAreErrors)
{
    skin::RecipeBook book;
    QString error;
    for (const char* line : {"palette ok green\n", "image A\\*.png a.svg\n" /* a star without a state set */,
                             "image A\\*.png a.svg states=none\n" /* an unknown set */,
                             "state s Normal ink=ok\nimage A.png a.svg states=s\n" /* a set without a star */,
                             "image A.png a.svg margin=five\n", "image A.png a.svg ink\n", "picture A.png a.svg\n"})
        EXPECT_FALSE(book.Parse(QString::fromLatin1(line), error)) << line;
    EXPECT_TRUE(error.contains(QLatin1String("line 1"))) << error.toStdString();
    ASSERT_TRUE(book.Parse(QStringLiteral("image A.png a.svg\nimage A.png b.svg\n"), error));
    skin::Vars vars;
    EXPECT_EQ(book.Find(QStringLiteral("A.png"), vars, error), nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("lines 1 and 2"))) << error.toStdString();
    EXPECT_EQ(book.Find(QStringLiteral("B.png"), vars, error), nullptr);
}

// A folder of SVG sources.
class SvgFolder : public ::testing::Test {
protected:
    void Write(const QString& name, const QByteArray& text)
    {
        QFile file(m_svg.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir m_svg;
};

class SvgTemplate : public SvgFolder {
protected:
    bool Expand(const QString& text, QString& out, QString& error)
    {
        const auto q = [](const char* text) { return QString::fromLatin1(text); };
        const skin::Bindings bindings{{{q("line"), q("ok")},
                                       {q("fill"), q("#123456")},
                                       {q("glyph"), q("@glyph.svg")},
                                       {q("loop"), q("@loop.svg")},
                                       {q("bad"), q("nosuchcolour")}},
                                      {{q("ok"), q("#2EB872")}, {q("white"), q("#FFFFFF")}}};
        return skin::ExpandSvgText(text, bindings, QDir(m_svg.path()), out, error);
    }
};

TEST_F(SvgTemplate, ReplacesVariablesLiteralsPaletteNamesAndIncludes)
{
    Write(QStringLiteral("glyph.svg"),
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\"><path stroke=\"{{line}}\"/></svg>\n");
    const std::pair<const char*, const char*> cases[] = {
        {"<rect fill=\"{{fill}}\" stroke=\"{{line}}\"/><circle fill=\"{{white}}\"/>",
         "<rect fill=\"#123456\" stroke=\"#2EB872\"/><circle fill=\"#FFFFFF\"/>"},
        {"<g>{{glyph}}</g>", "<g><path stroke=\"#2EB872\"/></g>"}, // the inside of another document
        {"<svg>{ {not} }</svg>", "<svg>{ {not} }</svg>"}           // no placeholder: unchanged
    };
    for (const auto& [text, expanded] : cases) {
        QString out, error;
        ASSERT_TRUE(Expand(QString::fromLatin1(text), out, error)) << error.toStdString();
        EXPECT_EQ(out, QString::fromLatin1(expanded));
    }
    EXPECT_EQ(skin::InnerSvg(QStringLiteral("<?xml?>\n<svg a=\"1\">\n<g/>\n</svg>\n")), QStringLiteral("\n<g/>\n"));
    EXPECT_EQ(skin::InnerSvg(QStringLiteral("<g/>")), QString());
}

TEST_F(SvgTemplate, UnknownNamesBadReferencesAndLoopsAreErrors)
{
    Write(QStringLiteral("loop.svg"), "<svg>{{loop}}</svg>");
    const std::pair<const char*, const char*> cases[] = {
        {"{{nothing}}", "nothing"}, {"{{bad}}", "nosuchcolour"}, {"{{glyph}}", "glyph.svg"}, {"{{loop}}", "too deep"}};
    for (const auto& [text, reason] : cases) {
        QString out, error;
        EXPECT_FALSE(Expand(QString::fromLatin1(text), out, error)) << text;
        EXPECT_TRUE(error.contains(QLatin1String(reason))) << error.toStdString();
    }
}

const char* const kSquare = R"(<svg xmlns="http://www.w3.org/2000/svg" width="12" height="10" viewBox="0 0 12 10">
  <rect x="0" y="0" width="12" height="10" fill="{{fill}}"/>
</svg>)";

class RenderSet : public SvgFolder {
protected:
    void SetUp() override
    {
        Write(QStringLiteral("square.svg"), kSquare);
        Manifest(QStringLiteral("[Skin]\nA\\Normal.png\nA\\Hover.png\nB.png\n14.png\n[Product]\nMark_150.png\n"));
        Recipes(QStringLiteral("palette red #FF0000\npalette blue #0000FF\n"
                               "state s Normal fill=red\nstate s Hover fill=blue\n"
                               "image A\\*.png square.svg states=s margin=4\n"
                               "image B.png square.svg fill=#00FF00\n"
                               "image 14.png square.svg fill=red px=14\n"
                               "image Mark_150.png square.svg fill=blue scale=1.5\n"));
    }
    void Manifest(const QString& text)
    {
        QString error;
        ASSERT_TRUE(skin::ParseManifest(text, m_manifest, error)) << error.toStdString();
    }
    void Recipes(const QString& text)
    {
        QString error;
        ASSERT_TRUE(m_book.Parse(text, error)) << error.toStdString();
    }
    bool Render(QString& error)
    {
        return skin::RenderManifest(m_manifest, m_book, QDir(m_svg.path()), QDir(m_out.path()), m_report, error);
    }
    QImage Out(const QString& path) const { return QImage(m_out.filePath(path)); }

    QTemporaryDir m_out;
    skin::Manifest m_manifest;
    skin::RecipeBook m_book;
    skin::RenderReport m_report;
};

// Every skin name at three densities, fixed-size and product images, into
// an image root emptied first.
TEST_F(RenderSet, DrawsEveryNameAtItsDensitiesIntoAnEmptiedRoot)
{
    ASSERT_TRUE(QDir(m_out.path()).mkpath(QStringLiteral("Skin/Old")));
    QFile stale(m_out.filePath(QStringLiteral("Skin/Old/Gone.png")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    QString error;
    ASSERT_TRUE(Render(error)) << error.toStdString();
    EXPECT_EQ(m_report.files, 4 * 3 + 1);
    EXPECT_FALSE(QFile::exists(stale.fileName()));
    const std::tuple<const char*, QSize, QRgb> images[] = {{"Skin/A/Normal.png", {12, 10}, qRgb(255, 0, 0)},
                                                           {"Skin/DPI150/A/Normal.png", {18, 15}, qRgb(255, 0, 0)},
                                                           {"Skin/DPI250/A/Hover.png", {30, 25}, qRgb(0, 0, 255)},
                                                           {"Skin/DPI150/B.png", {18, 15}, qRgb(0, 255, 0)},
                                                           {"Skin/14.png", {14, 14}, qRgb(255, 0, 0)},
                                                           {"Skin/DPI150/14.png", {14, 14}, qRgb(255, 0, 0)},
                                                           {"Skin/DPI250/14.png", {14, 14}, qRgb(255, 0, 0)},
                                                           {"Product/Mark_150.png", {18, 15}, qRgb(0, 0, 255)}};
    for (const auto& [path, size, colour] : images) {
        const QImage image = Out(QString::fromLatin1(path));
        EXPECT_EQ(std::tuple(image.size(), image.pixel(5, 5)), std::tuple(size, colour)) << path;
    }
    EXPECT_FALSE(QFile::exists(m_out.filePath(QStringLiteral("Skin/Mark_150.png"))));
}

// Each case changes one input of the working set; the error names why: a
// name without a recipe, a recipe that draws nothing (no name asks for it),
// corners of 5 that leave 12x10 no middle, a broken source.
TEST_F(RenderSet, FailsOnWhatCannotBeDrawn)
{
    const QString manifest = QStringLiteral("[Skin]\nA\\Normal.png\nA\\Hover.png\nB.png\n14.png\n");
    const QString recipes = QStringLiteral("palette red #FF0000\nstate s Normal fill=red\nstate s Hover fill=red\n"
                                           "image B.png square.svg fill=red\nimage 14.png square.svg fill=red px=14\n"
                                           "image Mark_150.png square.svg fill=red scale=1.5\n");
    const std::tuple<QString, QString, QByteArray, const char*> cases[] = {
        {manifest + QStringLiteral("C.png\n"), {}, {}, "C.png"},
        {manifest, {}, {}, "Mark_150.png"},
        {{}, recipes + QStringLiteral("image A\\*.png square.svg states=s margin=5\n"), {}, "corner margins"},
        {{}, {}, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"12\" height=\"10\"><rect fill=\"{{fill}}\"", ""}};
    for (const auto& [manifestText, recipeText, svg, reason] : cases) {
        SetUp();
        if (!manifestText.isEmpty())
            Manifest(manifestText);
        if (!recipeText.isEmpty())
            Recipes(recipeText);
        if (!svg.isEmpty())
            Write(QStringLiteral("square.svg"), svg);
        QString error;
        EXPECT_FALSE(Render(error)) << reason;
        EXPECT_TRUE(!error.isEmpty() && error.contains(QLatin1String(reason))) << error.toStdString();
    }
}

TEST(SkinManifestParse, SectionsNamesTwiceAndUnknownSections)
{
    skin::Manifest manifest;
    QString error;
    ASSERT_TRUE(
        skin::ParseManifest(QStringLiteral("# comment\n[Skin]\nA\\B.png\n\n[Product]\nC.png\n"), manifest, error))
        << error.toStdString();
    EXPECT_EQ(std::tuple(manifest.skin, manifest.product),
              std::tuple(QStringList{QStringLiteral("A\\B.png")}, QStringList{QStringLiteral("C.png")}));
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("[Skin]\nA.png\n[Product]\nA.png\n"), manifest, error));
    EXPECT_TRUE(error.contains(QLatin1String("twice"))) << error.toStdString();
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("A.png\n"), manifest, error));
    EXPECT_FALSE(skin::ParseManifest(QStringLiteral("[Images]\nA.png\n"), manifest, error));
    EXPECT_EQ(skin::FilePathOf(QStringLiteral("Monitor\\PortFrame\\Normal.png")),
              QStringLiteral("Monitor/PortFrame/Normal.png"));
}

} // namespace
