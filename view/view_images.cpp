#include "view/view_images.h"

#include "controls/density.h"
#include "controls/image_cache.h"
#include "platform/path.h"
#include "platform/profile.h"
#include "platform/shell.h"

namespace {

const char* const kStateNames[3] = {"Normal", "Warning", "UnKnown"};
// The fibre board folders spell the unknown state "Unknown".
const char* const kFiberStateNames[3] = {"Normal", "Warning", "Unknown"};

class CImageLookup {
public:
    CImageLookup(const std::string& root, double density) : m_root(root), m_density(density) {}
    const Image* operator()(const std::string& name) const
    {
        return CImageLogic::GetImageData()->GetImageFromPath(morv::DensityImagePath(m_root, name, m_density));
    }
    void States(const Image* (&out)[3], const std::string& folder, const char* const (&names)[3],
                const char* suffix = "") const
    {
        for (int s = 0; s < 3; ++s)
            out[s] = (*this)(folder + names[s] + suffix + ".png");
    }

private:
    std::string m_root;
    double m_density;
};

const Image* ProductImage(const std::string& folder, const std::string& name)
{
    return CImageLogic::GetImageData()->GetImageFromPath(plat::JoinPath(folder, name));
}

} // namespace

const char* BrokenMarkerName(double density)
{
    if (density > 2.49)
        return "50.png";
    if (density > 1.49)
        return "30.png";
    if (density > 1.01)
        return "20.png";
    return "14.png";
}

std::string ProductWatermarkName(double density, bool has250, bool has150)
{
    if (density > 2.49 && has250)
        return "Watermark_250.png";
    if (density > 1.49 && has150)
        return "Watermark_150.png";
    return "Watermark_100.png";
}

SViewImages LoadViewImages(const std::string& imageRoot, const std::string& productFolder, double density)
{
    const CImageLookup look(imageRoot, density);
    SViewImages images;
    look.States(images.portFrame, "Monitor\\PortFrame\\", kStateNames);
    look.States(images.portFrame2, "Monitor\\PortFrame2\\", kStateNames);
    look.States(images.portBackup, "Monitor\\PortFrameBackup\\", kStateNames);
    look.States(images.portBackup2, "Monitor\\PortFrameBackup\\", kStateNames, "2");
    look.States(images.fiberMain, "Monitor\\FiberBoard\\MainFiber\\", kFiberStateNames);
    look.States(images.fiberBackup, "Monitor\\FiberBoard\\BackupFiber\\", kFiberStateNames);
    images.senderFrameNormal = look("Monitor\\SenderFrame\\Normal.png");
    images.senderFrameOffline = look("Monitor\\SenderFrame\\Offline.png");
    images.statusOnline = look("Monitor\\SenderStatus\\Online.png");
    images.statusOffline = look("Monitor\\SenderStatus\\Offline.png");
    images.statusWarning = look("Monitor\\SenderStatus\\Warning.png");
    images.backupMark = look("Port\\Backup\\Normal.png");
    images.brokenMarker = look(BrokenMarkerName(density));

    const std::string ini = plat::JoinPath(productFolder, "ProductList.ini");
    if (plat::GetProfileInt(ini, "Setup", "ViewWatermark", 0) == 1) {
        const bool has250 = plat::FileExists(plat::JoinPath(productFolder, "Watermark_250.png"));
        const bool has150 = plat::FileExists(plat::JoinPath(productFolder, "Watermark_150.png"));
        images.watermark = ProductImage(productFolder, ProductWatermarkName(density, has250, has150));
    } else {
        images.watermark = look("WaterMark_Level.png");
    }
    return images;
}
