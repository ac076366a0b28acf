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

// Frames are outlined in their state colour; the middle of the top edge
// shows it at every density.
void ExpectOutline(const std::string& name, const QColor& colour)
{
    for (const DensityFolder& density : DensityFolders()) {
        const QImage image = LoadPng(SkinPath(name, density)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_TRUE(Near(image.pixel(image.width() / 2, 0), colour)) << name << " at " << density.factor;
    }
}

TEST(SkinLook, PortFramesAreOutlinedInTheirStateColour)
{
    for (const char* folder : {"Monitor\\PortFrame\\", "Monitor\\PortFrame2\\", "Monitor\\PortFrameBackup\\"}) {
        ExpectOutline(std::string(folder) + "Normal.png", kOk);
        ExpectOutline(std::string(folder) + "Warning.png", kWarn);
        ExpectOutline(std::string(folder) + "UnKnown.png", kOff);
    }
    ExpectOutline("Monitor\\PortFrameBackup\\Normal2.png", kOk);
    ExpectOutline("Monitor\\PortFrameBackup\\Warning2.png", kWarn);
    ExpectOutline("Monitor\\PortFrameBackup\\UnKnown2.png", kOff);
}

TEST(SkinLook, FibreBoardsAreOutlinedInTheirStateColour)
{
    for (const char* board : {"Monitor\\FiberBoard\\MainFiber\\", "Monitor\\FiberBoard\\BackupFiber\\"}) {
        ExpectOutline(std::string(board) + "Normal.png", kAccent);
        ExpectOutline(std::string(board) + "Warning.png", kWarn);
        ExpectOutline(std::string(board) + "Unknown.png", kOff);
    }
}

TEST(SkinLook, ConnectorsAndStatusIconsAreMostlyTheirStateColour)
{
    const std::vector<std::pair<std::string, QColor>> images{{"Monitor\\PortFrame2\\Normal.png", kOk},
                                                             {"Monitor\\PortFrame2\\Warning.png", kWarn},
                                                             {"Monitor\\PortFrame2\\UnKnown.png", kOff},
                                                             {"Monitor\\SenderStatus\\Online.png", kOk},
                                                             {"Monitor\\SenderStatus\\Warning.png", kWarn},
                                                             {"Monitor\\SenderStatus\\Offline.png", kOff},
                                                             {"50.png", kWarn}};
    for (const auto& [name, colour] : images) {
        for (const DensityFolder& density : DensityFolders())
            EXPECT_GT(ShareOf(LoadPng(SkinPath(name, density)), colour), 0.3) << name << " at " << density.factor;
    }
}

TEST(SkinLook, PlainAndBackedUpPortsDifferInTheirMiddle)
{
    for (const char* state : {"Normal", "Warning", "UnKnown"}) {
        const QImage plain
            = LoadPng(SkinPath(std::string("Monitor\\PortFrame\\") + state + ".png", DensityFolders()[0]));
        const QImage backup
            = LoadPng(SkinPath(std::string("Monitor\\PortFrameBackup\\") + state + ".png", DensityFolders()[0]));
        ASSERT_FALSE(plain.isNull());
        ASSERT_FALSE(backup.isNull());
        EXPECT_NE(plain.pixel(plain.width() / 2, plain.height() / 2),
                  backup.pixel(backup.width() / 2, backup.height() / 2))
            << state;
    }
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
        const auto load = [&folder](const char* state) {
            return LoadPng(SkinPath(folder + "\\" + state + ".png", DensityFolders()[0]));
        };
        const QImage normal = load("Normal");
        EXPECT_NE(normal, load("Disable")) << folder;
        // The warning mark looks the same whatever the pointer does.
        if (folder != "Monitor\\Warning") {
            EXPECT_NE(normal, load("Hover")) << folder;
            EXPECT_NE(normal, load("Down")) << folder;
        }
    }
}

TEST(SkinLook, CheckBoxesShowTheirCheck)
{
    const QImage on = LoadPng(SkinPath("ImageButton\\CheckButton\\Checked\\Normal.png", DensityFolders()[0]));
    const QImage off = LoadPng(SkinPath("ImageButton\\CheckButton\\UnChecked\\Normal.png", DensityFolders()[0]));
    EXPECT_GT(ShareOf(on, kAccent), 0.3);
    EXPECT_LT(ShareOf(off, kAccent), 0.05);
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
        const std::array<double, 4> base = MeanColour(LoadPng(SkinPath(name, DensityFolders()[0])));
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
