// The recipe table: parsing, pattern matching, variables of state rows.
#include "recipe_book.h"

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

} // namespace
