#include "log/log_dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace {

constexpr int32_t Nov25 = 2021 * 65536 + 11 * 256 + 25;

TEST(LogDates, PackingFileNamesTheSortedDaysOfAFolderAndTheDayOfAName)
{
    EXPECT_EQ(PackLogDate(2021, 11, 25), Nov25);
    int y = 0, m = 0, d = 0;
    UnpackLogDate(PackLogDate(9999, 12, 31), y, m, d);
    EXPECT_EQ(std::tie(y, m, d), std::make_tuple(9999, 12, 31));
    EXPECT_EQ(LogFileName(2021, 11, 25), "2021-11-25.txt");
    EXPECT_EQ(LogFileName(5, 1, 2), "0005-01-02.txt");
    // The days of a folder are sorted and each kept once.
    std::vector<plat::DirEntry> entries;
    for (const char* name : {"2021-11-26.txt", "2021-11-25.log", "2021-11-25.txt", "notes.txt", "2020-01-01.txt"})
        entries.push_back({name, false});
    const std::vector<int32_t> dates = LogDatesOf(entries);
    EXPECT_EQ(dates, (std::vector<int32_t>{PackLogDate(2020, 1, 1), Nov25, PackLogDate(2021, 11, 26)}));
    EXPECT_TRUE(HasLogDate(dates, Nov25));
    EXPECT_FALSE(HasLogDate(dates, PackLogDate(2021, 11, 24)));
    EXPECT_TRUE(LogDatesOf({}).empty());

    // Neither the extension nor the separators are looked at; characters,
    // not bytes, are counted; names that are not UTF-8 are read byte by byte.
    for (const std::string name : {"2021-11-25.txt", "2021-11-25.log", "2021-11-25.", "2021-11-25", "2021_11_25",
                                   "2021x11y25.txt", "2021\u5E7411\u670825.txt", "2021\37711\37625.log"})
        EXPECT_EQ(LogDateOfName(name), Nov25) << name;
    // Titles of other lengths (a leading dot is part of the title), and
    // impossible dates.
    for (const std::string name :
         {"2021-11-5", "2021-11-255.txt", "2021-11-25.tar.gz", ".2021-11-2", "", ".", "..txt", "2021-11-25 .txt",
          ".2021-11-25", "2021-13-01.txt", "0000-01-01.txt", "2021-00-10.txt", "2021-11-00.txt", "2021-11-32.txt",
          "abcd-11-25.txt", "2021-ab-25.txt", "\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8\xF7\xF6.txt"})
        EXPECT_EQ(LogDateOfName(name), std::nullopt) << name;
    EXPECT_EQ(LogDateOfName(std::string(100'000, '\x80')), std::nullopt);
    // Each part from its leading digits, a full-width digit being no digit;
    // a day past its month counts.
    EXPECT_EQ((std::vector<std::optional<int32_t>>{PackLogDate(20, 11, 25), PackLogDate(2021, 1, 25),
                                                   PackLogDate(2021, 11, 3), PackLogDate(2021, 2, 31),
                                                   PackLogDate(2021, 11, 2), PackLogDate(2021, 11, 2)}),
              (std::vector{LogDateOfName("20a1-11-25.txt"), LogDateOfName("2021-1x-25.txt"),
                           LogDateOfName("2021-11-3 .txt"), LogDateOfName("2021-02-31.txt"),
                           LogDateOfName("2021-11-2\uFF15.txt"), LogDateOfName("2021-11-2\xE4.txt")}));
}

} // namespace
