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

// What a path names, after following symbolic links.
enum class FileKind
{
    Missing, // nothing there
    Regular, // a file that can be read
    Directory,
    Special,      // a pipe, device or socket: opening it may wait for ever
    DanglingLink, // a symbolic link to nothing (its folder may not be mounted yet)
    Unknown,      // something that cannot be examined (no permission, a loop of links)
};

class FileSystem
{
  public:
    virtual ~FileSystem() = default;

    // True also when the path exists but cannot be examined: callers must never overwrite it.
    virtual bool exists(const Path& path) const = 0;
    virtual bool isDirectory(const Path& path) const = 0;
    // Bytes of a regular file; -1 when the path does not exist; kSizeUnknown otherwise.
    virtual std::int64_t size(const Path& path) const = 0;
    // The default tells it from exists(), isDirectory() and size(): it knows no links or special files.
    virtual FileKind kind(const Path& path) const;
    // The file that writing `path` replaces: the end of its chain of symbolic links, so that a link
    // stays a link, or the path itself. nullopt when it must not be replaced: a dangling link (a new
    // file there would never reach the real one), a loop of links, anything but a regular file, and a
    // write-protected file (no write permission for the user, or none at all: the user protected it).
    virtual std::optional<Path> replaceableTarget(const Path& path) const;
    // Gives `file` the permission bits of `model`, or those of a new file when `model` does not exist.
    virtual bool takePermissions(const Path& file, const Path& model);
    // The whole content of a regular file; nullopt when it cannot be read. Anything but a regular file
    // is refused at once, without waiting for a writer of a pipe.
    virtual std::optional<std::string> readAll(const Path& path) const = 0;
    // The content of a regular file handed to `piece` in order, without holding all of it at once;
    // false when it cannot be read (the pieces before the failure were handed over).
    virtual bool readInPieces(const Path& path, const std::function<void(std::string_view)>& piece) const;
    // Creates a file that must not exist yet, readable by the user alone, writes the bytes and syncs
    // them to the disk. On failure a partly written file may remain; the caller removes it.
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
    FileKind kind(const Path& path) const override;
    std::optional<Path> replaceableTarget(const Path& path) const override;
    bool takePermissions(const Path& file, const Path& model) override;
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
