#include "skin_files.h"

#include "manifest.h"

#include <QImageReader>

namespace skintest {

namespace {

skin::Manifest ReadTheManifest()
{
    skin::Manifest manifest;
    QString error;
    if (!skin::ReadManifest(QStringLiteral(SKIN_MANIFEST_PATH), manifest, error))
        qFatal("%s", qPrintable(error));
    return manifest;
}

const skin::Manifest& TheManifest()
{
    static const skin::Manifest manifest = ReadTheManifest();
    return manifest;
}

QString Native(const std::string& name) { return QString::fromStdString(name).replace(u'\\', u'/'); }

std::vector<RequiredImage> Build()
{
    std::vector<RequiredImage> all;
    const auto add = [&all](const std::string& folder, const std::vector<std::string>& files, int margin) {
        for (const std::string& file : files)
            all.push_back({folder + file, margin});
    };
    const std::vector<std::string> states3{"Normal.png", "Warning.png", "UnKnown.png"};
    add("Monitor\\PortFrame\\", states3, 5);
    add("Monitor\\PortFrame2\\", states3, 5);
    add("Monitor\\PortFrameBackup\\",
        {"Normal.png", "Warning.png", "UnKnown.png", "Normal2.png", "Warning2.png", "UnKnown2.png"}, 5);
    add("Monitor\\FiberBoard\\MainFiber\\", {"Normal.png", "Warning.png", "Unknown.png"}, 5);
    add("Monitor\\FiberBoard\\BackupFiber\\", {"Normal.png", "Warning.png", "Unknown.png"}, 5);
    add("Monitor\\SenderFrame\\", {"Normal.png", "Offline.png"}, 5);
    add("Monitor\\SenderStatus\\", {"Online.png", "Offline.png", "Warning.png"}, 2);
    add("Port\\Backup\\", {"Normal.png"}, 0);
    add("", {"WaterMark_Level.png", "14.png", "20.png", "30.png", "50.png"}, 0);
    for (const char* target : {"Sender", "Receiver", "Temperature", "Humidity", "PowerBackup", "Voltage"})
        add(std::string("Monitor\\") + target + "\\", {"Normal.png"}, 0);
    add("ToolBar\\", {"LeftImage\\Normal.png", "splitline.png"}, 0);
    for (const std::string& folder : ButtonFolders())
        add(folder + "\\", StateFiles(), folder.rfind("ScrollBar\\", 0) == 0 ? 5 : 0);
    return all;
}

} // namespace

const std::vector<DensityFolder>& DensityFolders()
{
    static const std::vector<DensityFolder> all{
        {QString(), 1.0}, {QStringLiteral("DPI150"), 1.5}, {QStringLiteral("DPI250"), 2.5}};
    return all;
}

QString SkinPath(const std::string& name, const DensityFolder& density)
{
    const QString root
        = density.folder.isEmpty() ? QStringLiteral("Skin/") : QStringLiteral("Skin/%1/").arg(density.folder);
    return root + Native(name);
}

QString ProductPath(const std::string& name) { return QStringLiteral("Product/") + Native(name); }

QImage LoadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

QStringList ManifestSkinNames() { return TheManifest().skin; }

QStringList ManifestProductNames() { return TheManifest().product; }

const std::vector<std::string>& StateFiles()
{
    static const std::vector<std::string> files{"Normal.png", "Hover.png", "Down.png", "Disable.png", "Checked.png"};
    return files;
}

const std::vector<std::string>& ButtonFolders()
{
    static const std::vector<std::string> folders = [] {
        std::vector<std::string> all{"Monitor\\BackGround",
                                     "Monitor\\Warning",
                                     "TreeCtr\\SenderTree\\PortFrame",
                                     "Sender2\\Refresh",
                                     "ImageButton\\CheckButton\\Checked",
                                     "ImageButton\\CheckButton\\UnChecked"};
        for (const char* tool : {"Open", "Save", "LoadFromCard", "SaveToCard", "Setting", "MonitorStart", "MonitorStop",
                                 "Normal", "Hand", "MonitorLog", "Navigation", "LoadFromCardOne"})
            all.push_back(std::string("ToolBar\\") + tool);
        for (const char* tool : {"Add", "Rename", "Delete", "Fold", "Expand"})
            all.push_back(std::string("TreeCtr\\SenderTree\\ToolBar\\") + tool);
        for (const char* bar : {"vertical", "level"})
            for (const char* part : {"Thumb", "Top", "Bottom"})
                all.push_back(std::string("ScrollBar\\") + bar + "\\" + part);
        return all;
    }();
    return folders;
}

const std::vector<RequiredImage>& RequiredSkinImages()
{
    static const std::vector<RequiredImage> all = Build();
    return all;
}

const std::vector<std::string>& RequiredProductImages()
{
    static const std::vector<std::string> files{"Watermark_100.png", "Watermark_150.png", "Watermark_250.png"};
    return files;
}

} // namespace skintest
