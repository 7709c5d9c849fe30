#include "support/settings_failing_storage.h"

namespace notavi::test {

IniFileRead FailingIniStorage::readFile(const std::filesystem::path& path)
{
    return diskIniStorage().readFile(path);
}

bool FailingIniStorage::writeNewFile(const std::filesystem::path& path, std::string_view bytes)
{
    ++writes;
    if (failWrite) {
        diskIniStorage().writeNewFile(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    return diskIniStorage().writeNewFile(path, bytes);
}

bool FailingIniStorage::rename(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return !failRename && diskIniStorage().rename(from, to);
}

bool FailingIniStorage::remove(const std::filesystem::path& path)
{
    return diskIniStorage().remove(path);
}

} // namespace notavi::test
