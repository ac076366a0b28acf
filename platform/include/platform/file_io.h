#pragma once
// Whole files read and written without surprises: only regular files of a
// bounded size are read (a FIFO, a device or a folder is refused before any
// byte is read, so nothing hangs and nothing fills the memory), and every
// write checks that each byte reached the file, so a full disk or a file
// size limit is an error, never a truncated file reported as saved.
// Messages are the reason alone ("No space left on device"); callers name
// the file.
#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

// Limits of the files the program reads whole.
inline constexpr std::size_t kMaxProjectFileBytes = std::size_t{256} << 20;
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{16} << 20; // profiles, languages, scenarios

// The bytes of a regular file of at most maxBytes; false with the reason
// for anything else, also when memory runs out.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string& error);

// Replaces the file (or creates it): the bytes go to a temporary file
// beside it, which is flushed to the disk and renamed over the old one. On
// any failure the old file stays as it was. A symbolic link keeps pointing
// at the file, which gets the new content; a path that names anything but
// a regular file is refused.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error);

// Appends the bytes to the file (created when missing), all or nothing: a
// write that stops part way is cut off again.
bool AppendToFile(const std::string& path, std::string_view bytes, std::string& error);

// Writes a file that must not exist yet. A failed write removes it again.
enum class NewFile { Created, Exists, Failed };
NewFile CreateNewFile(const std::string& path, std::string_view bytes, std::string& error);

} // namespace plat
