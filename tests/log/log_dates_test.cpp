#include "log/log_dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>

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
    EXPECT_EQ(std::tie(y, m, d), std::make_tuple(2021, 11, 25));
    UnpackLogDate(PackLogDate(9999, 12, 31), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
}

TEST(LogDates, TheDayOfAName)
{
    const std::optional<int32_t> none;
    const std::pair<std::string, std::optional<int32_t>> cases[] = {
        // Neither the extension nor the separators are looked at.
        {"2021-11-25.txt", Nov25},
        {"2021-11-25.log", Nov25},
        {"2021-11-25.", Nov25},
        {"2021-11-25", Nov25},
        {"2021_11_25", Nov25},
        {"2021x11y25.txt", Nov25},
        // Titles of other lengths; a leading dot is part of the title.
        {"2021-11-5", none},
        {"2021-11-255.txt", none},
        {"2021-11-25.tar.gz", none},
        {".2021-11-2", none},
        {"", none},
        {".", none},
        {"..txt", none},
        {"2021-11-25 .txt", none},
        {".2021-11-25", none},
        // Impossible dates.
        {"2021-13-01.txt", none},
        {"0000-01-01.txt", none},
        {"2021-00-10.txt", none},
        {"2021-11-00.txt", none},
        {"2021-11-32.txt", none},
        {"abcd-11-25.txt", none},
        {"2021-ab-25.txt", none},
        // Each part from its leading digits; a day past its month counts.
        {"20a1-11-25.txt", PackLogDate(20, 11, 25)},
        {"2021-1x-25.txt", PackLogDate(2021, 1, 25)},
        {"2021-11-3 .txt", PackLogDate(2021, 11, 3)},
        {"2021-02-31.txt", PackLogDate(2021, 2, 31)},
        // Characters, not bytes, are counted; a full-width digit is no digit.
        {"2021\xE5\xB9\xB4"
         "11\xE6\x9C\x88"
         "25.txt",
         Nov25},
        {"2021-11-2\xEF\xBC\x95.txt", PackLogDate(2021, 11, 2)},
        // Names that are not UTF-8 are read byte by byte.
        {"2021\xFF"
         "11\xFE"
         "25.log",
         Nov25},
        {"2021-11-2\xE4.txt", PackLogDate(2021, 11, 2)},
        {"\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8\xF7\xF6.txt", none},
        {std::string(100'000, '\x80'), none},
    };
    for (const auto& [name, day] : cases)
        EXPECT_EQ(LogDateOfName(name), day) << name.substr(0, 40);
}

TEST(LogDates, TheDaysOfAFolderAreSortedAndEachKeptOnce)
{
    const std::vector<int32_t> dates
        = LogDatesOf(Entries({"2021-11-26.txt", "2021-11-25.log", "2021-11-25.txt", "notes.txt", "2020-01-01.txt"}));
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
