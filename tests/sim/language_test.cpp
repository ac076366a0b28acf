// Language texts: lookups, missing keys, and the shipped English file.
#include "host/vistrano_language.h"
#include "sim/language.h"
#include "sim_fixture.h"

#include "language_file.h"

#include "platform/profile.h"
#include "platform/shell.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <tuple>

namespace {

// Every text the monitoring page asks for, by section.
const std::vector<std::pair<const char*, std::vector<const char*>>> kPageTexts = {
    {"Common",
     {"AddOneSender",
      "AddSenderGroup",
      "AddTwoSenders",
      "AllSender",
      "ApplyAllSender",
      "Auto",
      "Cancel",
      "Common_Name",
      "CustomAdd",
      "Delete",
      "Detecting",
      "Failed_Save",
      "Flexible",
      "Input",
      "IP_Port",
      "Modify",
      "MutiSenderCard",
      "OK",
      "Project_Open",
      "Project_Save",
      "Rename",
      "ScrollBar_Level_Tip",
      "ScrollBar_Vertical_Tip",
      "Sender",
      "Set",
      "Succeed_Save",
      "Succeed_Set",
      "Table1_NoSignal",
      "Unconnected",
      "UnKnown",
      "Sunday",
      "Monday",
      "Tuesday",
      "Wednesday",
      "Thursday",
      "Friday",
      "Saturday"}},
    {"Layout", {"SenderGroupAdd"}},
    {"Control", {"BackupExist", "DeleteAllSenderTips", "SureToDeleteSenderGoup"}},
    {"DemoMode", {"DemoMode"}},
    {"ToolBar",
     {"MonitorSetting", "Projects_LoadFromCard", "Projects_SaveToCard", "Refresh", "ToolBar_Demarcate",
      "ToolBar_Normal", "ToolBar_Pecent", "ToolBar_Start", "ToolBar_Stop", "ToolBar_ViewMove"}},
    {"Monitoring",
     {"MonitorLogQuery",
      "MonitorNavigation",
      "PortEnableWarning",
      "Processor",
      "TargetSelect_SingleSender",
      "TargetSelect_Receiver",
      "TargetSelect_RcvTemperatureExtra",
      "TargetSelect_RcvHumidityExtra",
      "TargetSelect_RcvSmog",
      "TargetSelect_RcvFan",
      "TargetSelect_RcvTileDoor",
      "TargetSelect_RcvPower",
      "TargetSelect_RcvVoltage",
      "TargetSelect_RcvVoltageExtra",
      "Receive_CableDetection",
      "ViewRender_Warning",
      "ViewRender_Offline",
      "SenderNoConnectToShow",
      "SenderNoSetToShow",
      "SenderNoSetToShowMonitoring",
      "ResolutionSetted",
      "ResolutionInput",
      "Unsetted",
      "Menu_PlacePosition",
      "Menu_LeftPosition",
      "Menu_RightPosition",
      "Menu_TopPosition",
      "Menu_BottomPosition",
      "Menu_ExchangePosition",
      "Menu_BackupDevice",
      "Menu_SourceDevice",
      "PortOutput",
      "OnlyPrimaryOutput",
      "OnlyBackupOutput",
      "General_Setting",
      "Refresh_interval",
      "Refresh_interval_Time",
      "Sender_Title",
      "Sender_Video_Input_Error",
      "Sender_Video_Input_Error_Close",
      "Sender_Lock",
      "Sender_Lock_Close",
      "Sender_Black",
      "Sender_Black_Close",
      "Sender_Brightness_Zero_Text",
      "Sender_Brightness_Zero_Text_Close",
      "Receive_Title",
      "Receive_Temperature",
      "Receive_Temperature_Close",
      "Receive_Temp_Min",
      "Receive_Alarm",
      "Receive_Humidity",
      "Receive_Humidity_Close",
      "Receive_PowerSupply_Table",
      "Receive_PowerSupply",
      "Receive_PowerSupply_Close",
      "Receive_Voltage_Table",
      "Receive_Voltage",
      "Receive_Voltage_Close",
      "EMail_Title",
      "EMail_Open",
      "EMail_Warning_Num",
      "EMail_Warning_Num_Back",
      "EMail_Return_To_Work",
      "Address_Table",
      "Address_Add",
      "EMail_Test",
      "SidePanel_Form_Mail",
      "Email_Add_Address_Same",
      "Email_Modify_Address_Same",
      "EmailSenderDlg_Title",
      "EmailSenderDlg_Address",
      "EmailSenderDlg_Password",
      "EmailSenderDlg_SMTP",
      "EmailSenderDlg_SSL",
      "EmailSenderDlg_Default",
      "EmailReceiverDlg_AddTitle",
      "EmailReceiverDlg_ModifyTitle",
      "EmailReceiverDlg_Name",
      "EmailReceiverDlg_Address",
      "EmailReceiverDlg_Legal",
      "Open",
      "VideoInput_Ttile",
      "VideoInput_Input",
      "VideoInput_InputEnable",
      "VideoInput_ResolutionEnable",
      "VideoInput_Resolution",
      "VideoInput_Apply",
      "SetTo",
      "Title"}},
};

// The conversions of a format text, in order ("%d%s").
std::string Conversions(const std::string& text)
{
    static const std::regex conversion("%(%|[-+ #0]*[0-9]*(\\.[0-9]+)?(l?[dfs]))");
    std::string out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator(); ++it)
        if ((*it)[1] != "%")
            out += "%" + (*it)[3].str();
    return out;
}

class Language : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        ASSERT_TRUE(sim::LoadLanguageFile(sim::DefaultLanguageFile()));
        sim::ClearMissingLanguageKeys();
    }
    void TearDown() override
    {
        sim::LoadLanguageFile(sim::DefaultLanguageFile());
        sim::ClearMissingLanguageKeys();
        SimTest::TearDown();
    }
};

} // namespace

TEST_F(Language, TheShippedFileHoldsEveryTextThePageAsksFor)
{
    for (const auto& [section, keys] : kPageTexts)
        for (const char* key : keys)
            EXPECT_FALSE(GetLanguageString(key, section).empty()) << section << "/" << key;
    std::string missing;
    for (const sim::MissingText& m : sim::GetMissingLanguageKeys())
        missing += m.section + "/" + m.key + " ";
    EXPECT_EQ(missing, "");
}

// Texts the page joins with numbers or other texts carry no conversion.
TEST_F(Language, FormatTextsKeepTheConversionsThePagePasses)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"TargetSelect_RcvTemperatureExtra", "Monitoring", "%s"},
        {"TargetSelect_RcvHumidityExtra", "Monitoring", "%d"},
        {"TargetSelect_RcvVoltageExtra", "Monitoring", "%d%f%f"},
        {"Receive_PowerSupply", "Monitoring", "%d"},
        {"Receive_PowerSupply_Close", "Monitoring", "%d"},
        {"Receive_Voltage", "Monitoring", "%d"},
        {"Receive_Voltage_Close", "Monitoring", "%d"},
        {"Menu_ExchangePosition", "Monitoring", "%s"},
        {"VideoInput_Ttile", "Monitoring", "%s"},
        {"Sender", "Common", ""},
        {"Processor", "Monitoring", ""},
        {"SenderGroupAdd", "Layout", ""},
        {"SetTo", "Monitoring", ""},
        {"BackupExist", "Control", ""},
        {"AllSender", "Common", ""},
    };
    for (const auto& [key, section, conversions] : cases)
        EXPECT_EQ(Conversions(GetLanguageString(key, section)), conversions) << key;
}

TEST_F(Language, PrefixTextsKeepTheirTrailingSpaceLookupsIgnoreCaseMissingKeysAnswerThemselves)
{
    EXPECT_EQ(GetLanguageString("Sender", "Common"), "Sender ");
    EXPECT_EQ(GetLanguageString("SenderGroupAdd", "Layout"), "New group ");
    EXPECT_EQ(GetLanguageString("ok", "COMMON"), "OK");
    // A missing key answers itself and is recorded once.
    EXPECT_EQ(GetLanguageString("NoSuchKey", "Common"), "NoSuchKey");
    EXPECT_EQ(GetLanguageString("NoSuchKey", "Common"), "NoSuchKey");
    EXPECT_EQ(GetLanguageString("OK", "NoSuchSection"), "OK");
    const std::vector<sim::MissingText> expected{{"Common", "NoSuchKey"}, {"NoSuchSection", "OK"}};
    EXPECT_EQ(sim::GetMissingLanguageKeys(), expected);
    sim::ClearMissingLanguageKeys();
    EXPECT_TRUE(sim::GetMissingLanguageKeys().empty());
}

TEST_F(Language, AnotherFileReplacesTheTextsAnUnreadableOneLeavesNone)
{
    const std::string path = Path("texts.ini");
    std::ofstream(path) << "\xEF\xBB\xBF; comment\n[Common]\n  OK = Fine  \nCancel=\"  Stop  \"\n";
    ASSERT_TRUE(sim::LoadLanguageFile(path));
    EXPECT_EQ(GetLanguageString("OK", "Common"), "Fine");
    EXPECT_EQ(GetLanguageString("Cancel", "Common"), "  Stop  ");
    EXPECT_EQ(GetLanguageString("Delete", "Common"), "Delete") << "texts of the old file are gone";
    sim::ClearMissingLanguageKeys();
    EXPECT_FALSE(sim::LoadLanguageFile(Path("missing.ini")));
    EXPECT_EQ(GetLanguageString("OK", "Common"), "OK") << "an unreadable file leaves no texts";
    EXPECT_EQ(sim::GetMissingLanguageKeys().size(), 1u);
}

TEST_F(Language, ConfigurationFolderNameComesFromTheLanguageFile)
{
    sim::SetConfigFolder("");
    plat::SetDocumentsFolderProvider([] { return std::optional<std::string>("/home/u/Documents"); });
    EXPECT_EQ(sim::GetConfigFolder(), "/home/u/Documents/Quarn/");
    plat::SetDocumentsFolderProvider([] { return std::optional<std::string>(); });
    EXPECT_EQ(sim::GetConfigFolder(), plat::GetMainExecutableFolder());
    plat::SetDocumentsFolderProvider({});
}

// The texts and the profile reader read one file alike, whatever its line
// ends and encoding, and the first of duplicate keys wins in both.
TEST_F(Language, TextsAndTheProfileReaderAgree)
{
    const std::string text = "[Common]\nOK=first\nok=second\nCancel = ' q ' \n[common]\nDelete=later\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : text)
        utf16 += std::string{c, '\0'};
    std::string cr = text, crlf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (const char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& bytes : {text, cr, crlf, utf16, "\xEF\xBB\xBF" + text}) {
        const std::string path = Path("texts.ini");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        ASSERT_TRUE(sim::LoadLanguageFile(path));
        for (const char* key : {"OK", "Cancel", "Delete"}) {
            EXPECT_EQ(GetLanguageString(key, "Common"), plat::GetProfileString(path, "Common", key, key, 4096)) << key;
        }
        EXPECT_EQ(GetLanguageString("OK", "Common"), "first");
        EXPECT_EQ(GetLanguageString("Cancel", "Common"), " q ");
    }
}

TEST(ConfigurationFolderName, NamesOneFolderUnderTheDocumentsOrFallsBack)
{
    const std::pair<const char*, const char*> cases[] = {
        {"My Data", "My Data"}, {"Quarn 2", "Quarn 2"}, {"../..", "Quarn"}, {"..", "Quarn"}, {".", "Quarn"},
        {"/etc", "Quarn"},      {"a/b", "Quarn"},       {"a\\b", "Quarn"},  {"", "Quarn"},   {"x\ny", "Quarn"},
    };
    for (const auto& [value, folder] : cases)
        EXPECT_EQ(sim::detail::ConfigurationFolderName(value), folder) << value;
    EXPECT_EQ(sim::detail::ConfigurationFolderName(std::string(256, 'a')), "Quarn");
}
