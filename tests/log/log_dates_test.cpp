#include "log/log_dates.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int32_t Nov25 = 2021 * 65536 + 11 * 256 + 25;

std::vector<plat::DirEntry> Entries(std::initializer_list<const char*> names)
{
    std::vector<plat::DirEntry> entries;
    for (const char* name : names)
        entries.push_back({name, false});
    return entries;
}

TEST(LogDates, PackingIsYearMonthAndDayInTheirBytes)
{
    EXPECT_EQ(PackLogDate(2021, 11, 25), Nov25);
    int y = 0, m = 0, d = 0;
    UnpackLogDate(Nov25, y, m, d);
    EXPECT_EQ(y, 2021);
    EXPECT_EQ(m, 11);
    EXPECT_EQ(d, 25);
    UnpackLogDate(PackLogDate(9999, 12, 31), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
}

TEST(LogDates, TheExtensionIsNotLookedAt)
{
    EXPECT_EQ(LogDateOfName("2021-11-25.txt"), Nov25);
    EXPECT_EQ(LogDateOfName("2021-11-25.log"), Nov25);
    EXPECT_EQ(LogDateOfName("2021-11-25."), Nov25);
    EXPECT_EQ(LogDateOfName("2021-11-25"), Nov25);   // no extension: the whole name
}

TEST(LogDates, TheSeparatorsAreNotLookedAt)
{
    EXPECT_EQ(LogDateOfName("2021_11_25"), Nov25);
    EXPECT_EQ(LogDateOfName("2021x11y25.txt"), Nov25);
}

TEST(LogDates, TitlesOfOtherLengthsMarkNothing)
{
    for (const char* name : {"2021-11-5", "2021-11-5.txt", "2021-11-255.txt", "2021-11-25.tar.gz", ".2021-11-2", "",
                             ".", "..txt", "2021-11-25 .txt"})
        EXPECT_FALSE(LogDateOfName(name).has_value()) << name;
    // A leading dot is part of the title, not its end.
    EXPECT_FALSE(LogDateOfName(".2021-11-25").has_value());
}

TEST(LogDates, ImpossibleDatesMarkNothing)
{
    for (const char* name : {"2021-13-01.txt", "0000-01-01.txt", "2021-00-10.txt", "2021-11-00.txt", "2021-11-32.txt",
                             "abcd-11-25.txt", "2021-ab-25.txt", "2021-11-ab.txt"})
        EXPECT_FALSE(LogDateOfName(name).has_value()) << name;
}

TEST(LogDates, EachPartIsReadFromItsLeadingDigits)
{
    EXPECT_EQ(LogDateOfName("20a1-11-25.txt"), PackLogDate(20, 11, 25));
    EXPECT_EQ(LogDateOfName("2021-1x-25.txt"), PackLogDate(2021, 1, 25));
    EXPECT_EQ(LogDateOfName("2021-11-3 .txt"), PackLogDate(2021, 11, 3));
    // Months and days past their range count even when another day would be fine.
    EXPECT_EQ(LogDateOfName("2021-02-31.txt"), PackLogDate(2021, 2, 31));
}

TEST(LogDates, CharactersNotBytesAreCounted)
{
    // Two three-byte separators: 10 characters, 14 bytes.
    EXPECT_EQ(LogDateOfName("2021\xE5\xB9\xB4" "11\xE6\x9C\x88" "25.txt"), Nov25);
    // A full-width "5" is one character but not a digit: the day ends before it.
    EXPECT_EQ(LogDateOfName("2021-11-2\xEF\xBC\x95.txt"), PackLogDate(2021, 11, 2));
}

TEST(LogDates, NamesThatAreNotUtf8AreReadByteByByte)
{
    EXPECT_EQ(LogDateOfName("2021\xFF" "11\xFE" "25.log"), Nov25);
    // A sequence cut short counts as single bytes.
    EXPECT_EQ(LogDateOfName("2021-11-2\xE4.txt"), PackLogDate(2021, 11, 2));
    EXPECT_FALSE(LogDateOfName("\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8\xF7\xF6.txt").has_value());
    EXPECT_FALSE(LogDateOfName(std::string(100'000, '\x80')).has_value());
}

TEST(LogDates, TheDaysOfAFolderAreSortedAndEachKeptOnce)
{
    const std::vector<int32_t> dates =
        LogDatesOf(Entries({"2021-11-26.txt", "2021-11-25.log", "2021-11-25.txt", "notes.txt", "2020-01-01.txt"}));
    EXPECT_EQ(dates, (std::vector<int32_t>{PackLogDate(2020, 1, 1), Nov25, PackLogDate(2021, 11, 26)}));
    EXPECT_TRUE(HasLogDate(dates, Nov25));
    EXPECT_FALSE(HasLogDate(dates, PackLogDate(2021, 11, 24)));
    EXPECT_TRUE(LogDatesOf({}).empty());
}

TEST(LogDates, TheLogFileNameIsTheDayWithZerosAndTxt)
{
    EXPECT_EQ(LogFileName(2021, 11, 25), "2021-11-25.txt");
    EXPECT_EQ(LogFileName(5, 1, 2), "0005-01-02.txt");
}

} // namespace
