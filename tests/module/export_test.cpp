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

template <class Fn>
Fn Exported(const LoadedModule& module, const char* mangled)
{
    return reinterpret_cast<Fn>(module.Symbol(mangled));
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

// The exported members are the records' own, not stand-ins; what the
// records do is settings_records_test's.
TEST(ExportTest, ExportedMembersBehaveAsTheRecords)
{
    LoadedModule module;
    ASSERT_TRUE(module.IsLoaded()) << module.Error();
    auto emailDefault = Exported<void (*)(SEmailSetting*)>(module, "_ZN13SEmailSetting12SetToDefaultEv");
    auto receiverCtor = Exported<void (*)(SRecevierSetting*)>(module, "_ZN16SRecevierSettingC1Ev");
    auto interfaceCopy = Exported<void (*)(CMonitorInterfaceData*, const CMonitorInterfaceData*)>(
        module, "_ZN21CMonitorInterfaceDataC1ERKS_");
    ASSERT_TRUE(emailDefault && receiverCtor && interfaceCopy);

    SEmailSetting email;
    email.bEnable = 1;
    email.nPort = 25;
    email.arrMail.push_back({"a", "a@example.org"});
    emailDefault(&email);
    EXPECT_FALSE(email != SEmailSetting());

    alignas(SRecevierSetting) unsigned char storage[sizeof(SRecevierSetting)] = {};
    auto* made = reinterpret_cast<SRecevierSetting*>(storage);
    receiverCtor(made);
    EXPECT_FALSE(*made != SRecevierSetting());

    CMonitorInterfaceData source;
    source.nRefreshInterval = 7;
    source.emailSetting.arrMail.push_back({"n", "n@example.org"});
    alignas(CMonitorInterfaceData) unsigned char copyStorage[sizeof(CMonitorInterfaceData)];
    auto* copy = reinterpret_cast<CMonitorInterfaceData*>(copyStorage);
    interfaceCopy(copy, &source);
    EXPECT_FALSE(*copy != source);
    copy->~CMonitorInterfaceData();
}

} // namespace
