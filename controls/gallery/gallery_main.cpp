// controls_gallery <output folder>: renders every control kind of the
// library at the densities 1.0, 1.5 and 2.5 into PNG files, for looking at
// the skin as a whole. Runs on the offscreen platform unless told otherwise.
#include "controls/density.h"
#include "controls/language.h"
#include "gallery_scenes.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

// English texts of the sample, with one Chinese line to show the CJK font.
std::string SampleText(const std::string& key, const std::string& /*section*/)
{
    static const std::map<std::string, std::string> texts = {
        {"General_Setting", "General settings"},
        {"Refresh_interval", "Refresh interval"},
        {"Refresh_interval_Time", "(hours:minutes:seconds)"},
        {"Receive_Title", "Receiver"},
        {"Receive_Temperature", "Temperature monitoring on"},
        {"Receive_Temperature_Close", "Temperature monitoring off"},
        {"Receive_Humidity", "Humidity monitoring on"},
        {"Receive_Humidity_Close", "Humidity monitoring off"},
        {"Receive_Voltage", "电压监控 %d 已开启"},
        {"Receive_Voltage_Close", "电压监控 %d 已关闭"},
        {"Receive_Temp_Min", "Alarm above"},
        {"Address_Table", "Recipients"},
        {"Address_Add", "Add"},
        {"Modify", "Modify"},
        {"Delete", "Delete"},
        {"OK", "OK"},
    };
    const auto it = texts.find(key);
    return it == texts.end() ? key : it->second;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    morv::SetDefaultLanguageLookup(SampleText);

    int failures = 0;
    for (const double density : {1.0, 1.5, 2.5}) {
        morv::SetDensity(density);
        const std::string suffix = "_" + std::to_string(static_cast<int>(density * 100)) + ".png";
        const std::string base = folder.toStdString() + "/";
        const std::pair<const char*, bool (*)(const std::string&)> scenes[] = {
            {"dialog", gallery::RenderDialog},         {"toolbar", gallery::RenderToolbar},
            {"messagebox", gallery::RenderMessageBox}, {"menu", gallery::RenderMenu},
            {"progress", gallery::RenderProgress},
        };
        for (const auto& [name, render] : scenes) {
            const std::string path = base + name + suffix;
            if (render(path)) {
                std::printf("%s\n", path.c_str());
            } else {
                std::fprintf(stderr, "failed: %s\n", path.c_str());
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
