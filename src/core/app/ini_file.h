#pragma once

// An INI file with the operating system's profile-file behaviour: Windows-1252 bytes, section and key
// names compared case-insensitively, the first of duplicate keys wins, and every line the program does
// not change stays exactly as it was (comments, blank lines, foreign sections, odd spacing, line ends).
//
// Reading: a line whose first non-blank character is "[" and that holds a "]" opens a section (the
// name between them, trimmed); ";" starts a comment; any other line with "=" is a key line
// (name before the first "=", value after it, both trimmed of blanks and tabs). A value enclosed in a
// matching pair of double or single quotes loses them. Lines before the first section, lines without
// "=" and lines of later sections with an already used name are kept but never read.
//
// Writing a key replaces the value of its first line in place (a line that already reads as the new
// value is left alone); a new key goes after the last non-blank
// line of its section, a new section to the end of the file. New lines end with CR LF.

#include "core/model/file_system.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notavi {

class IniFile
{
  public:
    IniFile() = default;
    static IniFile parse(std::string_view bytes);
    // The file's bytes: parse(b).bytes() == b for every b.
    std::string bytes() const;

    bool hasSection(std::string_view section) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value reads back exactly as given: it is quoted when the reading rules would otherwise change
    // it (surrounding blanks, surrounding quotes); CR, LF and NUL, which would break the line, become
    // blanks. Section and key names are the caller's fixed names and must not contain them, "]" or "=".
    void setValue(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Line
    {
        std::string text;
        std::string end; // "\r\n", "\n", "\r", or empty for a last line without line end
    };

    struct SectionRange
    {
        std::size_t header; // index of the header line
        std::size_t end;    // index after the section's last line
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionRange& range, std::string_view key) const;
    void insertLine(std::size_t index, std::string text);
    void appendSection(std::string_view section, std::string keyLine);

    std::vector<Line> lines_;
};

// Reading and writing the whole file. A missing file reads as an empty one (status NotFound); a file
// that exists but cannot be read gives status Failed and an empty IniFile.
enum class IniFileStatus
{
    Ok,
    NotFound, // nothing at the path: a first start
    Failed,   // something is there but cannot be read (a folder, a pipe, no permission)
    TooLarge, // a file over kIniFileSizeLimit: not read, and never to be written
};

// A settings file is a few kilobytes; anything this large is not one and is refused as unreadable.
constexpr std::int64_t kIniFileSizeLimit = 4 * 1024 * 1024;

struct IniFileLoad
{
    IniFileStatus status = IniFileStatus::NotFound;
    IniFile file;
};

IniFileLoad loadIniFile(const FileSystem& files, const Path& path);
// Atomic (temporary file beside it, then renamed over it); false when the file could not be
// written, the old one then stays.
bool saveIniFile(FileSystem& files, const Path& path, const IniFile& file);

} // namespace notavi
