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

} // namespace
