#include "core/app/ini_storage.h"

#include <cstdio>
#include <memory>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace notavi {
namespace {

namespace fs = std::filesystem;

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle openFile(const fs::path& path, const char* mode)
{
#if defined(_WIN32)
    const wchar_t* wideMode = mode[0] == 'r' ? L"rb" : L"wb";
    return FileHandle(_wfopen(path.c_str(), wideMode));
#else
    return FileHandle(std::fopen(path.c_str(), mode));
#endif
}

// Pushes the written bytes from the operating system's cache to the disk.
bool syncToDisk(std::FILE* file)
{
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// After a rename the folder entry itself must reach the disk too (POSIX only; Windows has no
// equivalent for folders and does not need it for MoveFileEx).
void syncFolder([[maybe_unused]] const fs::path& folder)
{
#if !defined(_WIN32)
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

class DiskIniStorage final : public IniStorage
{
  public:
    IniFileRead readFile(const fs::path& path) override
    {
        std::error_code error;
        const auto status = fs::status(path, error);
        if (status.type() == fs::file_type::not_found)
            return {IniFileRead::Status::NotFound, {}};
        if (error || !fs::is_regular_file(status))
            return {IniFileRead::Status::Failed, {}};
        const auto size = fs::file_size(path, error);
        if (error || size > kIniFileSizeLimit)
            return {IniFileRead::Status::Failed, {}};
        FileHandle file = openFile(path, "rb");
        if (!file)
            return {IniFileRead::Status::Failed, {}};
        std::string bytes;
        char buffer[8192];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
            bytes.append(buffer, got);
            if (bytes.size() > kIniFileSizeLimit)
                return {IniFileRead::Status::Failed, {}};
        }
        if (std::ferror(file.get()))
            return {IniFileRead::Status::Failed, {}};
        return {IniFileRead::Status::Ok, std::move(bytes)};
    }

    bool writeNewFile(const fs::path& path, std::string_view bytes) override
    {
        FileHandle file = openFile(path, "wb");
        if (!file)
            return false;
        if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
            return false;
        if (std::fflush(file.get()) != 0 || !syncToDisk(file.get()))
            return false;
        return std::fclose(file.release()) == 0;
    }

    bool rename(const fs::path& from, const fs::path& to) override
    {
        std::error_code error;
        fs::rename(from, to, error);
        if (error)
            return false;
        syncFolder(to.parent_path());
        return true;
    }

    bool remove(const fs::path& path) override
    {
        std::error_code error;
        return fs::remove(path, error) && !error;
    }
};

} // namespace

IniStorage& diskIniStorage()
{
    static DiskIniStorage storage;
    return storage;
}

fs::path temporaryPathFor(const fs::path& target)
{
    fs::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

bool writeFileAtomically(IniStorage& storage, const fs::path& target, std::string_view bytes)
{
    const fs::path temporary = temporaryPathFor(target);
    if (storage.writeNewFile(temporary, bytes) && storage.rename(temporary, target))
        return true;
    storage.remove(temporary);
    return false;
}

} // namespace notavi
