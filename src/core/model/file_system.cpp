#include "core/model/file_system.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace notavi {
namespace {

bool isMissingError(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

// Closes on every path out; a failing close after a write counts as a failed write.
class FileDescriptor
{
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}

    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }

    bool valid() const { return fd_ >= 0; }

    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// What the user's file-creation mask leaves of rw-rw-rw-: the permissions open() gives a new file.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A rename is only durable once the folder that holds the name has been synced as well.
void syncFolderOf(const Path& path)
{
    const Path folder = path.has_parent_path() ? path.parent_path() : Path(".");
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

} // namespace

bool RealFileSystem::exists(const Path& path) const
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) == 0)
        return true;
    return !isMissingError(errno);
}

bool RealFileSystem::isDirectory(const Path& path) const
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FileKind RealFileSystem::kind(const Path& path) const
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) {
        if (!isMissingError(errno))
            return FileKind::Unknown;
        struct stat link = {};
        return ::lstat(path.c_str(), &link) == 0 ? FileKind::DanglingLink : FileKind::Missing;
    }
    if (S_ISREG(info.st_mode))
        return FileKind::Regular;
    return S_ISDIR(info.st_mode) ? FileKind::Directory : FileKind::Special;
}

std::optional<Path> RealFileSystem::replaceableTarget(const Path& path) const
{
    // The kernel follows at most 40 links in a path; a longer chain is a loop in practice.
    constexpr int kMaxLinks = 40;
    Path current = path;
    for (int followed = 0; followed <= kMaxLinks; ++followed) {
        struct stat info = {};
        if (::lstat(current.c_str(), &info) != 0) {
            // A missing file is written anew; a link to a missing file is not (see above).
            if (followed == 0 && isMissingError(errno))
                return current;
            return std::nullopt;
        }
        if (S_ISREG(info.st_mode)) {
            const bool writable = (info.st_mode & 0222) != 0 && ::access(current.c_str(), W_OK) == 0;
            return writable ? std::optional<Path>(current) : std::nullopt;
        }
        if (!S_ISLNK(info.st_mode))
            return std::nullopt;
        std::error_code error;
        const Path target = std::filesystem::read_symlink(current, error);
        if (error)
            return std::nullopt;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

bool RealFileSystem::takePermissions(const Path& file, const Path& model)
{
    struct stat info = {};
    const mode_t mode = ::stat(model.c_str(), &info) == 0 ? info.st_mode & 07777 : newFileMode();
    return ::chmod(file.c_str(), mode) == 0;
}

std::int64_t RealFileSystem::size(const Path& path) const
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return isMissingError(errno) ? -1 : kSizeUnknown;
    if (!S_ISREG(info.st_mode))
        return kSizeUnknown;
    return static_cast<std::int64_t>(info.st_size);
}

FileKind FileSystem::kind(const Path& path) const
{
    if (!exists(path))
        return FileKind::Missing;
    if (isDirectory(path))
        return FileKind::Directory;
    return size(path) >= 0 ? FileKind::Regular : FileKind::Unknown;
}

std::optional<Path> FileSystem::replaceableTarget(const Path& path) const
{
    const FileKind found = kind(path);
    if (found == FileKind::Missing || found == FileKind::Regular)
        return path;
    return std::nullopt;
}

bool FileSystem::takePermissions(const Path&, const Path&)
{
    return true;
}

bool FileSystem::readInPieces(const Path& path, const std::function<void(std::string_view)>& piece) const
{
    const std::optional<std::string> bytes = readAll(path);
    if (bytes)
        piece(*bytes);
    return bytes.has_value();
}

namespace {

// Opens a regular file, tells its size as it is now to `sized`, and hands its content to `piece`.
// It reads until the end rather than trusting the size: the file may grow or shrink meanwhile.
// O_NONBLOCK: opening a pipe would otherwise wait for a writer for ever; what is opened is then
// refused unless it is a regular file, for which the flag changes nothing.
template <typename Sized, typename Piece> bool readRegularFile(const Path& path, Sized sized, Piece piece)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid())
        return false;
    struct stat info = {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    sized(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        piece(std::string_view(buffer, static_cast<std::size_t>(got)));
    }
}

} // namespace

bool RealFileSystem::readInPieces(const Path& path, const std::function<void(std::string_view)>& piece) const
{
    return readRegularFile(
        path, [](std::size_t) {}, piece);
}

std::optional<std::string> RealFileSystem::readAll(const Path& path) const
{
    std::string bytes;
    const bool read = readRegularFile(
        path, [&bytes](std::size_t size) { bytes.reserve(size); },
        [&bytes](std::string_view piece) { bytes.append(piece); });
    if (!read)
        return std::nullopt;
    return bytes;
}

bool RealFileSystem::writeNewFile(const Path& path, std::string_view bytes)
{
    // Readable by the user alone until it takes the permissions of the file it replaces: a private
    // file's new content is never readable by others, not even for a moment.
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!fd.valid())
        return false;
    const bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (fd.close() && written)
        return true;
    // The file is ours (O_EXCL): remove the half-written rest right away.
    ::unlink(path.c_str());
    return false;
}

bool RealFileSystem::replaceFile(const Path& from, const Path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    syncFolderOf(to);
    return true;
}

bool RealFileSystem::removeFile(const Path& path)
{
    return ::unlink(path.c_str()) == 0;
}

bool RealFileSystem::copyFile(const Path& from, const Path& to)
{
    const auto bytes = readAll(from);
    // writeNewFile removes a half copy, which would otherwise look like a real file on the next start.
    if (!bytes || !writeNewFile(to, *bytes))
        return false;
    // The copy is the user's own file, with the permissions of any new file; one left private is
    // still a good copy.
    ::chmod(to.c_str(), newFileMode());
    return true;
}

bool RealFileSystem::setModifiedNow(const Path& path)
{
    return ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0) == 0;
}

bool RealFileSystem::createDirectories(const Path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return isDirectory(path);
}

FileSystem& diskFileSystem()
{
    static RealFileSystem files;
    return files;
}

} // namespace notavi
