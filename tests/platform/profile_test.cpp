// Profile files read and written with the desktop's rules.
#include "platform/profile.h"
#include "profile_text.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using plat::GetProfileInt;
using plat::GetProfileString;
using plat::WriteProfileString;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string Path(const char* name = "p.ini") const { return QDir(dir.path()).filePath(name).toStdString(); }
    std::string Write(const std::string& bytes, const char* name = "p.ini") const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Read(const char* name = "p.ini") const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

} // namespace

TEST_F(ProfileFile, MissingFileSectionOrKeyGivesTheDefaultNamesIgnoreCaseAndSpaces)
{
    EXPECT_EQ(GetProfileString(Path("none.ini"), "Software", "Key", "Quarn", 260), "Quarn");
    std::string p = Write("[Software]\nOther=1\n[Setup]\nKey=2\n");
    EXPECT_EQ(GetProfileString(p, "Software", "Key", "dflt", 260), "dflt");
    EXPECT_EQ(GetProfileString(p, "Nowhere", "Key", "dflt", 260), "dflt");
    EXPECT_EQ(GetProfileInt(p, "Setup", "Missing", -3), -3);
    EXPECT_EQ(GetProfileString(p, "Setup", "", "dflt", 260), "dflt");
    p = Write("  [ SoftWare ]  \n   SoftwareConfigurationPath   =   My Data   \n");
    EXPECT_EQ(GetProfileString(p, "software", "softwareconfigurationpath", "", 260), "My Data");
    EXPECT_EQ(GetProfileString(p, " SOFTWARE ", "SoftwareConfigurationPath", "", 260), "My Data");
}

TEST_F(ProfileFile, QuotesCommentsDuplicatesCrLfAndByteOrderMarks)
{
    const std::string p
        = Write("; a comment\n# another\n[S]\n;Key=commented\nQuoted=\"  spaced  \"\nSingle='x'\nHalf=\"open\n"
                "Dup=first\nDup=second\nEmpty=\nNoEquals\n[Other]\nDup=elsewhere\n");
    EXPECT_EQ(GetProfileString(p, "S", "Key", "none", 260), "none");
    EXPECT_EQ(GetProfileString(p, "S", "Quoted", "", 260), "  spaced  ");
    EXPECT_EQ(GetProfileString(p, "S", "Single", "", 260), "x");
    EXPECT_EQ(GetProfileString(p, "S", "Half", "", 260), "\"open");
    EXPECT_EQ(GetProfileString(p, "S", "Dup", "", 260), "first");
    EXPECT_EQ(GetProfileString(p, "S", "Empty", "dflt", 260), "") << "present but empty is not missing";
    EXPECT_EQ(GetProfileString(p, "S", "NoEquals", "dflt", 260), "dflt");
    EXPECT_EQ(GetProfileString(Write("\xEF\xBB\xBF[Setup]\r\nViewWatermark=1\r\n"), "Setup", "ViewWatermark", "", 10),
              "1");
    EXPECT_EQ(GetProfileInt(Path(), "Setup", "ViewWatermark", 0), 1);
    // UTF-16 little-endian with its mark, as the desktop's editors write it.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("[S]\r\nK=\xE9t\xE9\r\n"))
        utf16 += std::string{c, '\0'};
    EXPECT_EQ(GetProfileString(Write(utf16), "S", "K", "", 260), "\xC3\xA9t\xC3\xA9");
}

TEST_F(ProfileFile, ValuesAreCutToTheBufferAndIntegersTakeTheLeadingNumber)
{
    std::string p = Write("[S]\nLong=abcdefghij\nUtf=\xC3\xA9\xC3\xA9\xC3\xA9\n");
    EXPECT_EQ(GetProfileString(p, "S", "Long", "", 5), "abcd");
    EXPECT_EQ(GetProfileString(p, "S", "Long", "", 11), "abcdefghij");
    EXPECT_EQ(GetProfileString(p, "S", "Long", "", 1), "");
    EXPECT_EQ(GetProfileString(p, "S", "Long", "", 0), "") << "a zero buffer holds nothing";
    EXPECT_EQ(GetProfileString(p, "S", "Missing", "defaultvalue", 4), "def") << "the default is cut too";
    EXPECT_EQ(GetProfileString(p, "S", "Utf", "", 5), "\xC3\xA9\xC3\xA9") << "4 bytes, whole characters";
    EXPECT_EQ(GetProfileString(p, "S", "Utf", "", 4), "\xC3\xA9") << "never half a character";
    p = Write("[S]\na=42\nb= -17 \nc=+8px\nd=abc\ne=99999999999\nf=\"12\"\n");
    EXPECT_EQ(GetProfileInt(p, "S", "a", 0), 42);
    EXPECT_EQ(GetProfileInt(p, "S", "b", 0), -17);
    EXPECT_EQ(GetProfileInt(p, "S", "c", 0), 8);
    EXPECT_EQ(GetProfileInt(p, "S", "d", 5), 0) << "present without a number: zero";
    EXPECT_EQ(GetProfileInt(p, "S", "e", 0), 2147483647) << "clamped, not wrapped";
    EXPECT_EQ(GetProfileInt(p, "S", "f", 0), 12);
}

TEST_F(ProfileFile, WriteCreatesReplacesKeepsTheRestAndRefusesWhatWouldBreakTheFile)
{
    const std::string p = Path();
    ASSERT_TRUE(WriteProfileString(p, "Setup", "A", "1"));
    EXPECT_EQ(Read(), "[Setup]\nA=1\n");
    ASSERT_TRUE(WriteProfileString(p, "setup", "B", "two"));
    ASSERT_TRUE(WriteProfileString(p, "SETUP", "a", "3"));
    ASSERT_TRUE(WriteProfileString(p, "Other", "C", "x"));
    EXPECT_EQ(Read(), "[Setup]\na=3\nB=two\n\n[Other]\nC=x\n");
    EXPECT_EQ(GetProfileString(p, "Setup", "A", "", 260), "3");

    Write("\xEF\xBB\xBF; keep me\r\n[S]\r\nK=old\r\n\r\n[T]\r\nZ=1\r\n");
    ASSERT_TRUE(WriteProfileString(p, "S", "New", "v"));
    EXPECT_EQ(Read(), "\xEF\xBB\xBF; keep me\r\n[S]\r\nK=old\r\nNew=v\r\n\r\n[T]\r\nZ=1\r\n");
    const std::string fresh = Path("fresh.ini");
    EXPECT_FALSE(WriteProfileString(fresh, "S", "K", "two\nlines") || WriteProfileString(fresh, "S", "K=", "v")
                 || WriteProfileString(fresh, "S]", "K", "v") || WriteProfileString(fresh, "", "K", "v"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(fresh)));
    EXPECT_FALSE(WriteProfileString(Path("no/such/folder.ini"), "S", "K", "v"));
}

TEST(ProfileText, LeadingIntegerAndCut)
{
    using namespace plat::detail;
    EXPECT_EQ(LeadingInteger("  12 34"), 12);
    EXPECT_EQ(LeadingInteger("-"), 0);
    EXPECT_EQ(LeadingInteger("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(CutToBuffer("\xE4\xB8\xAD", 3), "") << "a three-byte character in two bytes of room";
    EXPECT_EQ(FindProfileValue("[A]\nk=1\n[B]\n[A]\nj=2\n", "a", "J"), "2") << "a section may come twice";
    EXPECT_EQ(FindProfileValue("k=1\n[A]\n", "", "k"), std::nullopt) << "keys before any section belong to none";
}

// Every line end of the desktop, a default without its trailing blanks.
TEST_F(ProfileFile, LineEndsOfEveryKindAndDefaultsWithoutTrailingBlanksEntriesInFileOrder)
{
    for (const char* eol : {"\n", "\r\n", "\r"}) {
        const std::string e = eol;
        const std::string p = Write("[Software]" + e + "A=1" + e + "B=two" + e + "[Other]" + e + "A=3");
        EXPECT_EQ(GetProfileString(p, "Software", "A", "", 260), "1") << "line end " << int(eol[0]);
        EXPECT_EQ(GetProfileString(p, "Software", "B", "", 260), "two");
        EXPECT_EQ(GetProfileString(p, "Other", "A", "", 260), "3");
        ASSERT_TRUE(WriteProfileString(p, "Software", "C", "4"));
        EXPECT_EQ(Read(), "[Software]" + e + "A=1" + e + "B=two" + e + "C=4" + e + "[Other]" + e + "A=3" + e)
            << "the file's own line end is kept";
    }
    EXPECT_EQ(GetProfileString(Path("none.ini"), "S", "K", "Quarn  \t ", 260), "Quarn");
    EXPECT_EQ(GetProfileString(Path("none.ini"), "S", "K", "  lead", 260), "  lead");
    std::vector<plat::ProfileEntry> entries;
    ASSERT_TRUE(plat::ReadProfileEntries(Write("orphan=0\r[S]\rk = \"v\" \rk=2\r;c=3\r"), entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].section + "/" + entries[0].key + "=" + entries[0].value, "S/k=v");
    EXPECT_EQ(entries[1].value, "2");
    EXPECT_FALSE(plat::ReadProfileEntries("/dev/zero", entries));
}
