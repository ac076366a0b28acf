#pragma once
// The daily monitoring log files: the day a file name stands for, and the
// name of a day's log. Plain functions, so the rules are checked without
// a window or a folder.
#include "platform/shell.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A day packed as the calendar packs it: year * 65536 + month * 256 + day.
int32_t PackLogDate(int year, int month, int day);
void UnpackLogDate(int32_t packed, int& year, int& month, int& day);

// The day a log file name stands for, packed, or nothing. The title is the
// name up to its last "." (the whole name when no "." follows the first
// character); it must be exactly 10 characters. Year, month and day are
// the leading digits of characters 1-4, 6-7 and 9-10; separators and
// extension are not looked at. Year 0, a month outside 1..12 or a day
// outside 1..31 stand for nothing. Names are bytes as the file system
// keeps them: a valid UTF-8 sequence counts as one character, any other
// byte as one character of its own.
std::optional<int32_t> LogDateOfName(std::string_view name);

// The days the entries of a log folder stand for, ascending, each once.
std::vector<int32_t> LogDatesOf(const std::vector<plat::DirEntry>& entries);

// Whether a day is one of the days found (a list from LogDatesOf).
bool HasLogDate(const std::vector<int32_t>& dates, int32_t packed);

// The file the host writes a day's log into: "2021-11-25.txt".
std::string LogFileName(int year, int month, int day);
