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

std::int64_t RealFileSystem::size(const Path& path) const
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return isMissingError(errno) ? -1 : kSizeUnknown;
    if (!S_ISREG(info.st_mode))
        return kSizeUnknown;
    return static_cast<std::int64_t>(info.st_size);
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
template <typename Sized, typename Piece> bool readRegularFile(const Path& path, Sized sized, Piece piece)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return false;
    struct stat info = {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
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
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
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
    return bytes && writeNewFile(to, *bytes);
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
