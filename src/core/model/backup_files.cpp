#include "core/model/backup_files.h"

#include "core/model/atomic_write.h"
#include "core/model/data_files.h"

#include <algorithm>

namespace notavi {
namespace {

// Only ASCII letters are folded: a path that differs in another letter's case counts as another
// file, which at worst lets a restore copy notavi.dat onto itself, harmlessly.
bool equalIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&lower](char x, char y) { return lower(x) == lower(y); });
}

std::string fullPath(const Path& path)
{
    std::error_code error;
    const Path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal().string();
}

} // namespace

bool isDataFile(const Path& chosen, const Path& baseFolder)
{
    return equalIgnoringAsciiCase(fullPath(chosen), fullPath(baseFolder / kDataFileName));
}

bool writeBackupCopy(FileSystem& fs, const Path& target, const Lines& text)
{
    return atomicWrite(fs, target, joinLines(text));
}

RestoreStatus restoreBackup(FileSystem& fs, const Path& baseFolder, const Path& chosen)
{
    if (isDataFile(chosen, baseFolder))
        return RestoreStatus::RefusedDataFileItself;
    return copyAtomically(fs, chosen, baseFolder / kDataFileName, baseFolder / kDataFileName)
               ? RestoreStatus::Restored
               : RestoreStatus::CopyFailed;
}

bool loadBackupFile(FileSystem& fs, const Path& baseFolder)
{
    return copyAtomically(fs, baseFolder / kBackupFileName, baseFolder / kDataFileName,
                          baseFolder / kDataFileName);
}

} // namespace notavi
