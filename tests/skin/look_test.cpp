// The images show what their names say, in the palette the control
// library's colour table uses.
#include "required_images.h"
#include "skin_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace skintest {
namespace {

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

TEST(SkinLook, StretchedFramesHaveAnOpaqueMiddle)
{
    // The stretched middle covers whatever lies below the block.
    for (const RequiredImage& required : RequiredSkinImages()) {
        if (required.margin != 5 || required.name.rfind("ScrollBar\\", 0) == 0)
            continue;
        for (const DensityFolder& density : DensityFolders()) {
            const QImage image = LoadPng(SkinPath(required.name, density));
            EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255)
                << required.name << " at " << density.factor;
        }
    }
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

// Every density folder holds the same drawing as the base folder.
TEST(SkinLook, DensityFoldersHoldTheSameDrawing)
{
    for (const QString& qname : ManifestSkinNames()) {
        const std::string name = qname.toStdString();
        const std::array<double, 4> base = MeanColour(Base(name));
        for (const DensityFolder& density : DensityFolders()) {
            const std::array<double, 4> other = MeanColour(LoadPng(SkinPath(name, density)));
            for (size_t channel = 0; channel < base.size(); ++channel)
                EXPECT_NEAR(other[channel], base[channel], 10.0)
                    << name << " at " << density.factor << ", channel " << channel;
        }
    }
}

} // namespace
} // namespace skintest
