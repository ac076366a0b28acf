// What libMonitor.so exports: Monitor_Init and the settings records'
// members, which behave as the records' own.
#include "host/vistrano_settings.h"
#include "loaded_module.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

// The demangled names of the library's exported definitions.
std::set<std::string> ExportedNames()
{
    const std::string command = std::string(MONITOR_NM) + " -D --defined-only -C '" + LoadedModule::Path() + "'";
    std::set<std::string> names;
    FILE* pipe = ::popen(command.c_str(), "r");
    char line[4096];
    while (pipe && std::fgets(line, sizeof line, pipe)) {
        std::istringstream in(line); // "<address> <type> <name>"
        std::string address, type, name;
        if (in >> address >> type && std::getline(in >> std::ws, name))
            names.insert(name);
    }
    if (pipe)
        ::pclose(pipe);
    return names;
}

TEST(ExportTest, TheEntryAndEveryRecordMemberOnly)
{
    const std::set<std::string> names = ExportedNames();
    ASSERT_FALSE(names.empty()) << "nm gave nothing for " << LoadedModule::Path();
    const std::vector<std::string> records = {"CMonitorInterfaceData", "SSenderSetting", "SInputSignalSetting",
                                              "SRecevierSetting",      "SEmailSetting",  "SMailInfo"};
    std::set<std::string> expected = {"Monitor_Init"};
    for (const std::string& r : records) {
        expected.insert({r + "::" + r + "()", r + "::operator!=(" + r + " const&) const"});
        // A record whose copy is a plain copy of its fields has no copy
        // function to export.
        if (r != "SRecevierSetting")
            expected.insert({r + "::" + r + "(" + r + " const&)", r + "::operator=(" + r + " const&)"});
        if (r != "SInputSignalSetting" && r != "SMailInfo")
            expected.insert(r + "::SetToDefault()");
    }
    for (const std::string& name : expected)
        EXPECT_EQ(1u, names.count(name)) << name;
    for (const std::string& name : names) {
        const auto member = std::find_if(records.begin(), records.end(),
                                         [&](const std::string& r) { return name.rfind(r + "::", 0) == 0; });
        EXPECT_TRUE(name == "Monitor_Init" || member != records.end()) << name;
    }
}

// The exported members are the records' own, not stand-ins: a copy made by
// the library's takes every part along. What the records do is
// settings_records_test's.
TEST(ExportTest, ExportedMembersAreTheRecordsOwn)
{
    LoadedModule module;
    ASSERT_TRUE(module.IsLoaded()) << module.Error();
    const auto copyOf = reinterpret_cast<void (*)(CMonitorInterfaceData*, const CMonitorInterfaceData*)>(
        module.Symbol("_ZN21CMonitorInterfaceDataC1ERKS_"));
    ASSERT_NE(nullptr, copyOf);
    CMonitorInterfaceData source;
    source.nRefreshInterval = 7;
    source.emailSetting.arrMail.push_back({"n", "n@example.org"});
    source.senderSetting.arrInputSignal.push_back({1, 35, 5, 0, 0, 1, 1920, 1080, 60.0, "HDMI"});
    alignas(CMonitorInterfaceData) unsigned char storage[sizeof(CMonitorInterfaceData)];
    auto* copy = reinterpret_cast<CMonitorInterfaceData*>(storage);
    copyOf(copy, &source);
    EXPECT_FALSE(*copy != source);
    copy->~CMonitorInterfaceData();
}

} // namespace
