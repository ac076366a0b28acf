// Rendering a manifest into a runtime folder.
#include "render_set.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

const char* const kSquare = R"(<svg xmlns="http://www.w3.org/2000/svg" width="12" height="10" viewBox="0 0 12 10">
  <rect x="0" y="0" width="12" height="10" fill="{{fill}}"/>
</svg>)";

class RenderSet : public ::testing::Test {
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
    void Write(const QString& name, const QByteArray& text)
    {
        QFile file(m_svg.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
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

    QTemporaryDir m_svg;
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

// Each case changes one input of the working set; the error names why.
TEST_F(RenderSet, FailsOnWhatCannotBeDrawn)
{
    const QString manifest = QStringLiteral("[Skin]\nA\\Normal.png\nA\\Hover.png\nB.png\n14.png\n");
    const QString recipes = QStringLiteral("palette red #FF0000\nstate s Normal fill=red\nstate s Hover fill=red\n"
                                           "image B.png square.svg fill=red\nimage 14.png square.svg fill=red px=14\n"
                                           "image Mark_150.png square.svg fill=red scale=1.5\n");
    const struct {
        QString manifest, recipes;
        QByteArray svg;
        const char* error;
    } cases[] = {
        // A name without a recipe.
        {manifest + QStringLiteral("C.png\n"), {}, {}, "C.png"},
        // A recipe that draws nothing (no name of the manifest asks for it).
        {manifest, {}, {}, "Mark_150.png"},
        // 12x10 cannot keep two corners of 5 and a middle.
        {{}, recipes + QStringLiteral("image A\\*.png square.svg states=s margin=5\n"), {}, "corner margins"},
        // A broken source.
        {{}, {}, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"12\" height=\"10\"><rect fill=\"{{fill}}\"", ""}};
    for (const auto& c : cases) {
        SetUp();
        if (!c.manifest.isEmpty())
            Manifest(c.manifest);
        if (!c.recipes.isEmpty())
            Recipes(c.recipes);
        if (!c.svg.isEmpty())
            Write(QStringLiteral("square.svg"), c.svg);
        QString error;
        EXPECT_FALSE(Render(error)) << c.error;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(error.contains(QLatin1String(c.error))) << error.toStdString();
    }
}

} // namespace
