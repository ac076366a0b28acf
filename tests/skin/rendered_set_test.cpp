// The images the build rendered into the runtime folder: the manifest
// against the names the code loads, sizes, densities and palette.
#include "manifest.h"
#include "skin_files.h"

#include <QDirIterator>
#include <QSet>
#include <QSettings>
#include <array>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace skintest {
namespace {

// The rendered size at a density is the base size times the factor, to the
// nearest whole pixel.
void ExpectInProportion(const QSize& base, const QSize& scaled, double factor, const std::string& what)
{
    EXPECT_LE(std::abs(scaled.width() - base.width() * factor), 0.5 + 1e-9) << what << " width " << scaled.width();
    EXPECT_LE(std::abs(scaled.height() - base.height() * factor), 0.5 + 1e-9) << what << " height " << scaled.height();
}

// Alpha and premultiplied colour averaged over the image: close for two
// renderings of one drawing, far apart for different drawings or states.
std::array<double, 4> MeanColour(const QImage& image)
{
    std::array<double, 4> sum{};
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < premultiplied.height(); ++y) {
        for (int x = 0; x < premultiplied.width(); ++x) {
            const QRgb p = premultiplied.pixel(x, y);
            sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p);
        }
    }
    for (double& channel : sum)
        channel /= static_cast<double>(premultiplied.width()) * premultiplied.height();
    return sum;
}

// Every manifest image is a PNG with alpha at every density, the same
// drawing as the base in proportion to it; a broken-chain marker ("14.png")
// is its named size everywhere; a nine-part frame leaves a middle between
// its corners, and a stretched frame's middle is opaque, to cover whatever
// lies below the block.
TEST(RenderedSkin, EveryImageAtEveryDensityInProportionWithRoomForItsMargins)
{
    std::map<std::string, int> margins;
    for (const RequiredImage& required : RequiredSkinImages())
        margins[required.name] = required.margin;
    for (const QString& qname : ManifestSkinNames()) {
        const std::string name = qname.toStdString();
        const bool marker = name == "14.png" || name == "20.png" || name == "30.png" || name == "50.png";
        const QImage base = LoadPng(SkinPath(name, DensityFolders()[0]));
        const std::array<double, 4> baseMean = MeanColour(base);
        for (const DensityFolder& density : DensityFolders()) {
            const std::string what = density.folder.toStdString() + "\\" + name;
            const QImage image = LoadPng(SkinPath(name, density));
            ASSERT_FALSE(image.isNull()) << what << " is missing or not a PNG";
            EXPECT_TRUE(image.hasAlphaChannel()) << what;
            if (marker) {
                EXPECT_EQ(image.size(), QSize(std::stoi(name), std::stoi(name))) << what;
            } else {
                ExpectInProportion(base.size(), image.size(), density.factor, what);
            }
            EXPECT_GE(std::min(image.width(), image.height()), 2 * margins[name] + 1) << what;
            if (margins[name] == 5 && name.rfind("ScrollBar\\", 0) != 0) {
                EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << what;
            }
            const std::array<double, 4> mean = MeanColour(image);
            for (size_t channel = 0; channel < mean.size(); ++channel)
                EXPECT_NEAR(mean[channel], baseMean[channel], 10.0) << what << ", channel " << channel;
        }
    }
}

TEST(RenderedSkin, HoldsNoImageOutsideTheManifest)
{
    // A stale file would let the controls load an image nobody maintains.
    QSet<QString> expected;
    for (const QString& name : ManifestSkinNames()) {
        for (const DensityFolder& density : DensityFolders())
            expected.insert(SkinPath(name.toStdString(), density));
    }
    QDirIterator it(QStringLiteral("Skin"), QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    for (; it.hasNext(); ++files) {
        const QString path = it.next();
        EXPECT_TRUE(expected.contains(path)) << path.toStdString();
    }
    EXPECT_EQ(files, expected.size());
}

TEST(RenderedSkin, ProductWatermarksScaleWithTheirDensityAndStayOff)
{
    const QImage base = LoadPng(ProductPath("Watermark_100.png"));
    ASSERT_FALSE(base.isNull());
    ExpectInProportion(base.size(), LoadPng(ProductPath("Watermark_150.png")).size(), 1.5, "Watermark_150.png");
    ExpectInProportion(base.size(), LoadPng(ProductPath("Watermark_250.png")).size(), 2.5, "Watermark_250.png");
    const QString path = ProductPath("ProductList.ini");
    ASSERT_TRUE(QFileInfo::exists(path));
    QSettings profile(path, QSettings::IniFormat);
    ASSERT_TRUE(profile.contains(QStringLiteral("Setup/ViewWatermark")));
    EXPECT_EQ(profile.value(QStringLiteral("Setup/ViewWatermark")).toInt(), 0);
}

TEST(SkinManifest, NamesWhatIsLoadedAndNothingElse)
{
    // An extra image is dead weight in the install; a missing one fails to load.
    std::set<std::string> required, listed;
    for (const RequiredImage& image : RequiredSkinImages())
        required.insert(image.name);
    for (const QString& name : ManifestSkinNames())
        listed.insert(name.toStdString());
    EXPECT_EQ(listed, required);
    std::set<std::string> products;
    for (const QString& name : ManifestProductNames())
        products.insert(name.toStdString());
    EXPECT_EQ(products, std::set<std::string>(RequiredProductImages().begin(), RequiredProductImages().end()));
    // Relative .png names with single backslashes.
    for (const QString& name : ManifestSkinNames() + ManifestProductNames())
        EXPECT_TRUE(name.endsWith(QLatin1String(".png")) && !name.contains(u'/') && !name.startsWith(u'\\')
                    && !name.contains(QLatin1String("\\\\")))
            << name.toStdString();
}

const QColor kOk(46, 184, 114);
const QColor kWarn(240, 82, 62);
const QColor kOff(170, 178, 189);
const QColor kAccent(38, 132, 255);

bool Near(QRgb pixel, const QColor& colour, int tolerance = 3)
{
    return qAlpha(pixel) == 255 && std::abs(qRed(pixel) - colour.red()) <= tolerance
        && std::abs(qGreen(pixel) - colour.green()) <= tolerance && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

double ShareOf(const QImage& image, const QColor& colour)
{
    int hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            hits += Near(image.pixel(x, y), colour) ? 1 : 0;
    }
    return image.isNull() ? 0.0 : static_cast<double>(hits) / (image.width() * image.height());
}

QImage Base(const std::string& name) { return LoadPng(SkinPath(name, DensityFolders()[0])); }

// Frames are outlined in their state colour: the middle of the top edge
// shows it at every density. Connectors and status icons are mostly their
// state colour.
TEST(SkinLook, FramesAreOutlinedAndIconsFilledInTheirStateColour)
{
    std::vector<std::tuple<std::string, QColor, bool>> images; // name, colour, outline (else share)
    const std::pair<const char*, QColor> states[] = {{"Normal", kOk}, {"Warning", kWarn}, {"UnKnown", kOff}};
    for (const auto& [state, colour] : states) {
        for (const char* frame : {"PortFrame\\", "PortFrame2\\", "PortFrameBackup\\"})
            images.emplace_back(std::string("Monitor\\") + frame + state + ".png", colour, true);
        images.emplace_back(std::string("Monitor\\PortFrameBackup\\") + state + "2.png", colour, true);
        images.emplace_back(std::string("Monitor\\PortFrame2\\") + state + ".png", colour, false);
    }
    for (const char* board : {"Monitor\\FiberBoard\\MainFiber\\", "Monitor\\FiberBoard\\BackupFiber\\"})
        for (const auto& [state, colour] :
             {std::pair("Normal", kAccent), std::pair("Warning", kWarn), std::pair("Unknown", kOff)})
            images.emplace_back(std::string(board) + state + ".png", colour, true);
    for (const auto& [state, colour] :
         {std::pair("Online", kOk), std::pair("Warning", kWarn), std::pair("Offline", kOff)})
        images.emplace_back(std::string("Monitor\\SenderStatus\\") + state + ".png", colour, false);
    images.emplace_back("50.png", kWarn, false);
    for (const auto& [name, colour, outline] : images) {
        for (const DensityFolder& density : DensityFolders()) {
            const QImage image = LoadPng(SkinPath(name, density)).convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(image.isNull()) << name;
            if (outline) {
                EXPECT_TRUE(Near(image.pixel(image.width() / 2, 0), colour)) << name << " at " << density.factor;
            } else {
                EXPECT_GT(ShareOf(image, colour), 0.3) << name << " at " << density.factor;
            }
        }
    }
}

TEST(SkinLook, PlainAndBackedUpPortsDifferInTheirMiddleCheckBoxesShowTheirCheck)
{
    for (const char* state : {"Normal", "Warning", "UnKnown"}) {
        const QImage plain = Base(std::string("Monitor\\PortFrame\\") + state + ".png");
        const QImage backup = Base(std::string("Monitor\\PortFrameBackup\\") + state + ".png");
        ASSERT_FALSE(plain.isNull() || backup.isNull());
        EXPECT_NE(plain.pixel(plain.width() / 2, plain.height() / 2),
                  backup.pixel(backup.width() / 2, backup.height() / 2))
            << state;
    }
    EXPECT_GT(ShareOf(Base("ImageButton\\CheckButton\\Checked\\Normal.png"), kAccent), 0.3);
    EXPECT_LT(ShareOf(Base("ImageButton\\CheckButton\\UnChecked\\Normal.png"), kAccent), 0.05);
}

TEST(SkinLook, ButtonStatesLookDifferent)
{
    for (const std::string& folder : ButtonFolders()) {
        const QImage normal = Base(folder + "\\Normal.png");
        EXPECT_NE(normal, Base(folder + "\\Disable.png")) << folder;
        // The warning mark looks the same whatever the pointer does.
        if (folder != "Monitor\\Warning") {
            EXPECT_FALSE(normal == Base(folder + "\\Hover.png") || normal == Base(folder + "\\Down.png")) << folder;
        }
    }
}

} // namespace
} // namespace skintest
