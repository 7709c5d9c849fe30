#pragma once

// The few file operations the program needs, behind an interface so that tests can make any of them
// fail (at the start, half-way through a write, at the rename) and check that no data is lost.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

using Path = std::filesystem::path;

// size() of a path that exists but whose size cannot be told (a directory, no permission).
constexpr std::int64_t kSizeUnknown = -2;

class FileSystem
{
  public:
    virtual ~FileSystem() = default;

    // True also when the path exists but cannot be examined: callers must never overwrite it.
    virtual bool exists(const Path& path) const = 0;
    virtual bool isDirectory(const Path& path) const = 0;
    // Bytes of a regular file; -1 when the path does not exist; kSizeUnknown otherwise.
    virtual std::int64_t size(const Path& path) const = 0;
    // The whole content of a regular file; nullopt when it cannot be read.
    virtual std::optional<std::string> readAll(const Path& path) const = 0;
    // The content of a regular file handed to `piece` in order, without holding all of it at once;
    // false when it cannot be read (the pieces before the failure were handed over).
    virtual bool readInPieces(const Path& path, const std::function<void(std::string_view)>& piece) const;
    // Creates a file that must not exist yet, writes the bytes and syncs them to the disk. On failure
    // a partly written file may remain; the caller removes it.
    virtual bool writeNewFile(const Path& path, std::string_view bytes) = 0;
    // Renames from over to in one step: afterwards to is either its old or the new file, never less.
    virtual bool replaceFile(const Path& from, const Path& to) = 0;
    // Removes a file (never a directory).
    virtual bool removeFile(const Path& path) = 0;
    // Copies a file; fails when to exists. A failed copy leaves no file at to.
    virtual bool copyFile(const Path& from, const Path& to) = 0;
    virtual bool setModifiedNow(const Path& path) = 0;
    // Creates the folder and its missing parents; true when it is a folder afterwards.
    virtual bool createDirectories(const Path& path) = 0;
};

// The file system of the machine (POSIX).
class RealFileSystem final : public FileSystem
{
  public:
    bool exists(const Path& path) const override;
    bool isDirectory(const Path& path) const override;
    std::int64_t size(const Path& path) const override;
    std::optional<std::string> readAll(const Path& path) const override;
    bool readInPieces(const Path& path, const std::function<void(std::string_view)>& piece) const override;
    bool writeNewFile(const Path& path, std::string_view bytes) override;
    bool replaceFile(const Path& from, const Path& to) override;
    bool removeFile(const Path& path) override;
    bool copyFile(const Path& from, const Path& to) override;
    bool setModifiedNow(const Path& path) override;
    bool createDirectories(const Path& path) override;
};

// The one real file system of the process, for callers that take a FileSystem& by default.
FileSystem& diskFileSystem();

} // namespace notavi
