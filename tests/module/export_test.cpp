// What libMonitor.so exports: Monitor_Init and the settings records'
// members, which behave as the records' own.
#include "host/vistrano_settings.h"
#include "loaded_module.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The names of the library's exported definitions (demangled or not).
std::set<std::string> ExportedNames(bool demangle)
{
    const std::string command
        = std::string(MONITOR_NM) + " -D --defined-only " + (demangle ? "-C " : "") + "'" + LoadedModule::Path() + "'";
    std::set<std::string> names;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return names;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        // "<address> <type> <name>"
        const auto first = text.find(' ');
        const auto second = first == std::string::npos ? first : text.find(' ', first + 1);
        if (second != std::string::npos)
            names.insert(text.substr(second + 1));
    }
    ::pclose(pipe);
    return names;
}

const std::vector<std::string> kRecords = {"CMonitorInterfaceData", "SSenderSetting", "SInputSignalSetting",
                                           "SRecevierSetting",      "SEmailSetting",  "SMailInfo"};

bool IsRecordMember(const std::string& name)
{
    for (const std::string& record : kRecords)
        if (name.rfind(record + "::", 0) == 0)
            return true;
    return false;
}

template <class Fn>
Fn Exported(const LoadedModule& module, const char* mangled)
{
    return reinterpret_cast<Fn>(module.Symbol(mangled));
}

} // namespace

TEST(ExportTest, EntryAndSettingsRecordsOnly)
{
    const std::set<std::string> names = ExportedNames(true);
    ASSERT_FALSE(names.empty()) << "nm gave nothing for " << LoadedModule::Path();
    EXPECT_EQ(1u, names.count("Monitor_Init"));
    for (const std::string& name : names)
        if (name != "Monitor_Init") {
            EXPECT_TRUE(IsRecordMember(name)) << name;
        }
}

TEST(ExportTest, EveryRecordMemberIsThere)
{
    const std::set<std::string> names = ExportedNames(true);
    for (const std::string& r : kRecords) {
        EXPECT_EQ(1u, names.count(r + "::" + r + "()")) << r;
        EXPECT_EQ(1u, names.count(r + "::operator!=(" + r + " const&) const")) << r;
        // A record whose copy is a plain copy of its fields has no copy
        // function to export.
        if (r != "SRecevierSetting") {
            EXPECT_EQ(1u, names.count(r + "::" + r + "(" + r + " const&)")) << r;
            EXPECT_EQ(1u, names.count(r + "::operator=(" + r + " const&)")) << r;
        }
    }
    for (const char* r : {"CMonitorInterfaceData", "SSenderSetting", "SRecevierSetting", "SEmailSetting"})
        EXPECT_EQ(1u, names.count(std::string(r) + "::SetToDefault()")) << r;
}

// The exported members are the records' own, not stand-ins; what the
// records do is settings_records_test's.
TEST(ExportTest, ExportedMembersBehaveAsTheRecords)
{
    LoadedModule module;
    ASSERT_TRUE(module.IsLoaded()) << module.Error();

    // SEmailSetting::SetToDefault restores every field and empties the list.
    auto emailDefault = Exported<void (*)(SEmailSetting*)>(module, "_ZN13SEmailSetting12SetToDefaultEv");
    ASSERT_NE(nullptr, emailDefault);
    SEmailSetting email;
    email.bEnable = 1;
    email.nPort = 25;
    email.strSmtp = "mail.example";
    email.arrMail.push_back({"a", "a@example.org"});
    emailDefault(&email);
    EXPECT_FALSE(email != SEmailSetting());
    EXPECT_EQ(kDefaultMailPort, email.nPort);
    EXPECT_TRUE(email.arrMail.empty());

    // SRecevierSetting's constructor writes the defaults.
    auto receiverCtor = Exported<void (*)(SRecevierSetting*)>(module, "_ZN16SRecevierSettingC1Ev");
    ASSERT_NE(nullptr, receiverCtor);
    alignas(SRecevierSetting) unsigned char storage[sizeof(SRecevierSetting)] = {};
    auto* made = reinterpret_cast<SRecevierSetting*>(storage);
    receiverCtor(made);
    EXPECT_EQ(60, made->nTemperature);
    EXPECT_EQ(85, made->nHumidity);
    EXPECT_FLOAT_EQ(12.0f, made->fVoltage2Max);

    // CMonitorInterfaceData's copy takes every part along.
    auto interfaceCopy = Exported<void (*)(CMonitorInterfaceData*, const CMonitorInterfaceData*)>(
        module, "_ZN21CMonitorInterfaceDataC1ERKS_");
    ASSERT_NE(nullptr, interfaceCopy);
    CMonitorInterfaceData source;
    source.nRefreshInterval = 7;
    source.emailSetting.arrMail.push_back({"n", "n@example.org"});
    alignas(CMonitorInterfaceData) unsigned char copyStorage[sizeof(CMonitorInterfaceData)];
    auto* copy = reinterpret_cast<CMonitorInterfaceData*>(copyStorage);
    interfaceCopy(copy, &source);
    EXPECT_FALSE(*copy != source);
    copy->~CMonitorInterfaceData();
}
