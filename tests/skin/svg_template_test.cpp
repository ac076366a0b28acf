// Placeholders in SVG sources.
#include "svg_template.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class SvgTemplate : public ::testing::Test {
protected:
    void Write(const QString& name, const QByteArray& text)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    bool Expand(const QString& text, QString& out, QString& error)
    {
        return skin::ExpandSvgText(text, m_bindings, QDir(m_dir.path()), out, error);
    }

    QTemporaryDir m_dir;
    skin::Bindings m_bindings{
        {{QStringLiteral("line"), QStringLiteral("ok")},
         {QStringLiteral("fill"), QStringLiteral("#123456")},
         {QStringLiteral("glyph"), QStringLiteral("@glyph.svg")},
         {QStringLiteral("loop"), QStringLiteral("@loop.svg")},
         {QStringLiteral("bad"), QStringLiteral("nosuchcolour")}},
        {{QStringLiteral("ok"), QStringLiteral("#2EB872")}, {QStringLiteral("white"), QStringLiteral("#FFFFFF")}}};
};

TEST_F(SvgTemplate, ReplacesVariablesLiteralsAndPaletteNames)
{
    QString out, error;
    ASSERT_TRUE(
        Expand(QStringLiteral("<rect fill=\"{{fill}}\" stroke=\"{{line}}\"/><circle fill=\"{{white}}\"/>"), out, error))
        << error.toStdString();
    EXPECT_EQ(out, QStringLiteral("<rect fill=\"#123456\" stroke=\"#2EB872\"/><circle fill=\"#FFFFFF\"/>"));
}

TEST_F(SvgTemplate, IncludesTheInsideOfAnotherDocument)
{
    Write(QStringLiteral("glyph.svg"),
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\"><path stroke=\"{{line}}\"/></svg>\n");
    QString out, error;
    ASSERT_TRUE(Expand(QStringLiteral("<g>{{glyph}}</g>"), out, error)) << error.toStdString();
    EXPECT_EQ(out, QStringLiteral("<g><path stroke=\"#2EB872\"/></g>"));
}

TEST_F(SvgTemplate, UnknownNamesAndBadReferencesAreErrors)
{
    QString out, error;
    EXPECT_FALSE(Expand(QStringLiteral("{{nothing}}"), out, error));
    EXPECT_TRUE(error.contains(QLatin1String("nothing"))) << error.toStdString();
    EXPECT_FALSE(Expand(QStringLiteral("{{bad}}"), out, error));
    EXPECT_TRUE(error.contains(QLatin1String("nosuchcolour"))) << error.toStdString();
    EXPECT_FALSE(Expand(QStringLiteral("{{glyph}}"), out, error)); // the include does not exist yet
}

TEST_F(SvgTemplate, AnIncludeOfItselfStops)
{
    Write(QStringLiteral("loop.svg"), "<svg>{{loop}}</svg>");
    QString out, error;
    EXPECT_FALSE(Expand(QStringLiteral("{{loop}}"), out, error));
    EXPECT_TRUE(error.contains(QLatin1String("too deep"))) << error.toStdString();
}

TEST_F(SvgTemplate, TextWithoutPlaceholdersIsUnchanged)
{
    QString out, error;
    ASSERT_TRUE(Expand(QStringLiteral("<svg>{ {not} }</svg>"), out, error));
    EXPECT_EQ(out, QStringLiteral("<svg>{ {not} }</svg>"));
}

TEST(SvgInner, TakesWhatLiesInsideTheRootElement)
{
    EXPECT_EQ(skin::InnerSvg(QStringLiteral("<?xml?>\n<svg a=\"1\">\n<g/>\n</svg>\n")), QStringLiteral("\n<g/>\n"));
    EXPECT_EQ(skin::InnerSvg(QStringLiteral("<g/>")), QString());
}

} // namespace
