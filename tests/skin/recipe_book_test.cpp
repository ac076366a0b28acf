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
    EXPECT_FALSE(skin::MatchPattern(QStringLiteral("A\\*.png"), QStringLiteral("A\\B\\Hover.png")));
    EXPECT_FALSE(skin::MatchPattern(QStringLiteral("A\\*.png"), QStringLiteral("A\\.png")));
    EXPECT_FALSE(skin::MatchPattern(QStringLiteral("A\\*.png"), QStringLiteral("B\\Hover.png")));
    EXPECT_TRUE(skin::MatchPattern(QStringLiteral("A\\B.png"), QStringLiteral("A\\B.png")));
    EXPECT_FALSE(skin::MatchPattern(QStringLiteral("A\\B.png"), QStringLiteral("A\\b.png")));
}

TEST(SkinRecipes, ReadsOptionsApartFromVariables)
{
    const skin::RecipeBook book = Book();
    ASSERT_EQ(book.Recipes().size(), 4);
    const skin::Recipe& frame = book.Recipes()[1];
    EXPECT_EQ(frame.svg, QStringLiteral("frame.svg"));
    EXPECT_EQ(frame.margin, 5);
    EXPECT_EQ(frame.vars, (skin::Vars{{QStringLiteral("line"), QStringLiteral("ok")}}));
    EXPECT_EQ(book.Recipes()[2].pixels, 14);
    EXPECT_DOUBLE_EQ(book.Recipes()[3].scale, 1.5);
    EXPECT_EQ(book.Palette().value(QStringLiteral("warn")), QStringLiteral("#F0523E"));
}

TEST(SkinRecipes, StateRowOverridesTheRecipesVariables)
{
    const skin::RecipeBook book = Book();
    skin::Vars vars;
    QString error;
    const skin::Recipe* recipe = book.Find(QStringLiteral("Bar\\Open\\Hover.png"), vars, error);
    ASSERT_NE(recipe, nullptr) << error.toStdString();
    EXPECT_EQ(recipe->svg, QStringLiteral("button.svg"));
    EXPECT_EQ(vars.value(QStringLiteral("ink")), QStringLiteral("warn"));
    EXPECT_EQ(vars.value(QStringLiteral("plate")), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(vars.value(QStringLiteral("glyph")), QStringLiteral("@open.svg"));
}

TEST(SkinRecipes, StateWithoutARowIsAnError)
{
    skin::Vars vars;
    QString error;
    EXPECT_EQ(Book().Find(QStringLiteral("Bar\\Open\\Down.png"), vars, error), nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("Down"))) << error.toStdString();
}

TEST(SkinRecipes, NameWithoutOrWithTwoRecipesIsAnError)
{
    skin::RecipeBook book;
    QString error;
    ASSERT_TRUE(book.Parse(QStringLiteral("image A.png a.svg\nimage A.png b.svg\n"), error));
    skin::Vars vars;
    EXPECT_EQ(book.Find(QStringLiteral("A.png"), vars, error), nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("lines 1 and 2"))) << error.toStdString();
    EXPECT_EQ(book.Find(QStringLiteral("B.png"), vars, error), nullptr);
}

TEST(SkinRecipes, RefusesMalformedLines)
{
    skin::RecipeBook book;
    QString error;
    EXPECT_FALSE(book.Parse(QStringLiteral("palette ok green\n"), error));
    EXPECT_FALSE(book.Parse(QStringLiteral("image A\\*.png a.svg\n"), error));             // star without a state set
    EXPECT_FALSE(book.Parse(QStringLiteral("image A\\*.png a.svg states=none\n"), error)); // unknown set
    EXPECT_FALSE(
        book.Parse(QStringLiteral("state s Normal ink=ok\nimage A.png a.svg states=s\n"), error)); // set without star
    EXPECT_FALSE(book.Parse(QStringLiteral("image A.png a.svg margin=five\n"), error));
    EXPECT_FALSE(book.Parse(QStringLiteral("image A.png a.svg ink\n"), error));
    EXPECT_FALSE(book.Parse(QStringLiteral("picture A.png a.svg\n"), error));
    EXPECT_TRUE(error.contains(QLatin1String("line 1"))) << error.toStdString();
}

} // namespace
