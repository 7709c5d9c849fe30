#include "core/model/atomic_write.h"

#include <random>
#include <string>

namespace notavi {
namespace {

constexpr std::string_view kTempMarker = ".tmp";
constexpr int kSuffixLength = 6;
constexpr int kNameAttempts = 16;

std::string randomSuffix()
{
    static std::mt19937 generator{std::random_device{}()};
    static constexpr std::string_view kDigits = "0123456789abcdef";
    std::uniform_int_distribution<std::size_t> pick(0, kDigits.size() - 1);
    std::string suffix;
    for (int i = 0; i < kSuffixLength; ++i)
        suffix += kDigits[pick(generator)];
    return suffix;
}

// A name that is free now; writeNewFile refuses to overwrite should another file take it meanwhile.
std::optional<Path> freeTempName(const FileSystem& fs, const Path& target)
{
    const std::string base = "." + target.filename().string() + std::string(kTempMarker);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        Path candidate = target;
        candidate.replace_filename(base + randomSuffix());
        if (!fs.exists(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

std::optional<Path> writeTempBeside(FileSystem& fs, const Path& target, std::string_view bytes)
{
    if (target.filename().empty() || fs.isDirectory(target))
        return std::nullopt;
    auto temp = freeTempName(fs, target);
    if (!temp)
        return std::nullopt;
    if (!fs.writeNewFile(*temp, bytes)) {
        fs.removeFile(*temp);
        return std::nullopt;
    }
    return temp;
}

bool commitTemp(FileSystem& fs, const Path& temp, const Path& target)
{
    if (fs.replaceFile(temp, target))
        return true;
    fs.removeFile(temp);
    return false;
}

bool atomicWrite(FileSystem& fs, const Path& target, std::string_view bytes)
{
    const auto temp = writeTempBeside(fs, target, bytes);
    return temp && commitTemp(fs, *temp, target);
}

bool copyAtomically(FileSystem& fs, const Path& source, const Path& target)
{
    const auto bytes = fs.readAll(source);
    if (!bytes || !atomicWrite(fs, target, *bytes))
        return false;
    // The copy is new and so already carries the current time; a failure here loses nothing.
    fs.setModifiedNow(target);
    return true;
}

bool isTempName(std::string_view fileName)
{
    if (fileName.size() < 1 + kTempMarker.size() + kSuffixLength || fileName.front() != '.')
        return false;
    const auto marker = fileName.size() - kSuffixLength - kTempMarker.size();
    return fileName.substr(marker, kTempMarker.size()) == kTempMarker;
}

} // namespace notavi
