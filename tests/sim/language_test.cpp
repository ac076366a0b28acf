// Language texts: lookups, missing keys, the shipped English file and the
// configuration folder it names.
#include "host/vistrano_language.h"
#include "sim/language.h"
#include "sim_fixture.h"

#include "language_file.h"

#include "platform/profile.h"
#include "platform/shell.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <tuple>

namespace {

// The words of a text.
std::vector<std::string> Words(const char* text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

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

// Texts the page joins with numbers or other texts carry no conversion,
// format texts the ones the page passes (that the page finds every text it
// asks for, the tour proves).
TEST_F(Language, FormatTextsKeepTheConversionsThePagePasses)
{
    const std::pair<const char*, const char*> conversions[] = {
        {"",
         "Common/Sender Monitoring/Processor Layout/SenderGroupAdd Monitoring/SetTo Control/BackupExist "
         "Common/AllSender"},
        {"%s",
         "Monitoring/TargetSelect_RcvTemperatureExtra Monitoring/Menu_ExchangePosition Monitoring/VideoInput_Ttile"},
        {"%d",
         "Monitoring/TargetSelect_RcvHumidityExtra Monitoring/Receive_PowerSupply "
         "Monitoring/Receive_PowerSupply_Close Monitoring/Receive_Voltage Monitoring/Receive_Voltage_Close"},
        {"%d%f%f", "Monitoring/TargetSelect_RcvVoltageExtra"},
    };
    for (const auto& [expected, texts] : conversions)
        for (const std::string& text : Words(texts)) {
            const std::size_t slash = text.find('/');
            EXPECT_EQ(Conversions(GetLanguageString(text.substr(slash + 1), text.substr(0, slash))), expected) << text;
        }
}

TEST_F(Language, PrefixTextsKeepTheirTrailingSpaceLookupsIgnoreCaseMissingKeysAnswerThemselves)
{
    EXPECT_EQ(std::tuple(GetLanguageString("Sender", "Common"), GetLanguageString("SenderGroupAdd", "Layout"),
                         GetLanguageString("ok", "COMMON")),
              std::tuple("Sender ", "New group ", "OK"));
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
    EXPECT_EQ(std::tuple(GetLanguageString("OK", "Common"), GetLanguageString("Cancel", "Common")),
              std::tuple("Fine", "  Stop  "));
    EXPECT_EQ(GetLanguageString("Delete", "Common"), "Delete") << "texts of the old file are gone";
    sim::ClearMissingLanguageKeys();
    EXPECT_FALSE(sim::LoadLanguageFile(Path("missing.ini")));
    EXPECT_EQ(GetLanguageString("OK", "Common"), "OK") << "an unreadable file leaves no texts";
    EXPECT_EQ(sim::GetMissingLanguageKeys().size(), 1u);
}

// The texts and the profile reader read one file alike, whatever its line
// ends and encoding, and the first of duplicate keys wins in both.
TEST_F(Language, TextsAndTheProfileReaderAgree)
{
    const std::string text = "[Common]\nOK=first\nok=second\nCancel = ' q ' \n[common]\nDelete=later\n";
    std::string utf16 = "\xFF\xFE", cr = text, crlf;
    for (const char c : text) {
        utf16 += std::string{c, '\0'};
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (const std::string& bytes : {text, cr, crlf, utf16, "\xEF\xBB\xBF" + text}) {
        const std::string path = Path("texts.ini");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        ASSERT_TRUE(sim::LoadLanguageFile(path));
        for (const char* key : {"OK", "Cancel", "Delete"})
            EXPECT_EQ(GetLanguageString(key, "Common"), plat::GetProfileString(path, "Common", key, key, 4096)) << key;
        EXPECT_EQ(std::tuple(GetLanguageString("OK", "Common"), GetLanguageString("Cancel", "Common")),
                  std::tuple("first", " q "));
    }
}

// The language file names one folder under the documents folder, or the
// configuration folder falls back; without a documents folder, the program's.
using ConfigurationFolderName = Language;

TEST_F(ConfigurationFolderName, NamesOneFolderUnderTheDocumentsOrFallsBack)
{
    const std::pair<const char*, const char*> cases[] = {
        {"My Data", "My Data"}, {"Quarn 2", "Quarn 2"}, {"../..", "Quarn"}, {"..", "Quarn"}, {".", "Quarn"},
        {"/etc", "Quarn"},      {"a/b", "Quarn"},       {"a\\b", "Quarn"},  {"", "Quarn"},   {"x\ny", "Quarn"},
    };
    for (const auto& [value, folder] : cases)
        EXPECT_EQ(sim::detail::ConfigurationFolderName(value), folder) << value;
    EXPECT_EQ(sim::detail::ConfigurationFolderName(std::string(256, 'a')), "Quarn");
    sim::SetConfigFolder("");
    plat::SetDocumentsFolderProvider([] { return std::optional<std::string>("/home/u/Documents"); });
    EXPECT_EQ(sim::GetConfigFolder(), "/home/u/Documents/Quarn/");
    plat::SetDocumentsFolderProvider([] { return std::optional<std::string>(); });
    EXPECT_EQ(sim::GetConfigFolder(), plat::GetMainExecutableFolder());
    plat::SetDocumentsFolderProvider({});
}
