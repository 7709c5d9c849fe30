#pragma once

// The few file operations the settings file needs, behind an interface so that tests can make any of
// them fail. Kept private to the settings code on purpose: it can give way to a general file-system
// interface later without touching its callers.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace notavi {

struct IniFileRead
{
    enum class Status
    {
        Ok,
        NotFound, // nothing at the path: a first start
        Failed,   // something is there but cannot be read (a folder, no permission, too large)
    };
    Status status = Status::NotFound;
    std::string bytes;
};

class IniStorage
{
  public:
    virtual ~IniStorage() = default;
    virtual IniFileRead readFile(const std::filesystem::path& path) = 0;
    // Creates or truncates the file, writes the bytes and forces them to the disk.
    virtual bool writeNewFile(const std::filesystem::path& path, std::string_view bytes) = 0;
    // Replaces `to` by `from` in one step.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual bool remove(const std::filesystem::path& path) = 0;
};

// The real file system. Files above kIniFileSizeLimit are refused as unreadable: a settings file is a
// few kilobytes, anything that large is not one.
constexpr std::uintmax_t kIniFileSizeLimit = 4u * 1024u * 1024u;
IniStorage& diskIniStorage();

// Writes a temporary file beside the target and renames it over the target, so that the target holds
// either its old or its new content, never a part. On failure the temporary file is removed and the
// target stays as it was.
bool writeFileAtomically(IniStorage& storage, const std::filesystem::path& target, std::string_view bytes);

// The name of the temporary file used for a target (target name + ".tmp").
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

} // namespace notavi
