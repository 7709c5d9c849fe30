#include "core/model/atomic_write.h"

#include <random>
#include <string>

namespace notavi {
namespace {

constexpr std::string_view kTempMarker = ".tmp";
constexpr int kSuffixLength = 6;
constexpr int kNameAttempts = 16;
constexpr std::string_view kDigits = "0123456789abcdef";

std::string randomSuffix()
{
    static std::mt19937 generator{std::random_device{}()};
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

std::optional<PendingWrite> writeTempBeside(FileSystem& fs, const Path& target, std::string_view bytes)
{
    return writeTempBeside(fs, target, bytes, target);
}

std::optional<PendingWrite> writeTempBeside(FileSystem& fs, const Path& target, std::string_view bytes,
                                            const Path& permissionsOf)
{
    if (target.filename().empty())
        return std::nullopt;
    // The temporary file goes beside the file the link points to: a rename works within one file
    // system only, and a rename onto the link would replace the link by a plain file.
    const std::optional<Path> replaced = fs.replaceableTarget(target);
    if (!replaced)
        return std::nullopt;
    auto temp = freeTempName(fs, *replaced);
    if (!temp)
        return std::nullopt;
    if (!fs.writeNewFile(*temp, bytes) || !fs.takePermissions(*temp, permissionsOf)) {
        fs.removeFile(*temp);
        return std::nullopt;
    }
    return PendingWrite{*temp, *replaced};
}

bool commitTemp(FileSystem& fs, const PendingWrite& write)
{
    if (fs.replaceFile(write.temp, write.target))
        return true;
    fs.removeFile(write.temp);
    return false;
}

bool atomicWrite(FileSystem& fs, const Path& target, std::string_view bytes)
{
    const auto pending = writeTempBeside(fs, target, bytes);
    return pending && commitTemp(fs, *pending);
}

bool copyAtomically(FileSystem& fs, const Path& source, const Path& target, const Path& permissionsOf)
{
    const auto bytes = fs.readAll(source);
    if (!bytes)
        return false;
    const auto pending = writeTempBeside(fs, target, *bytes, permissionsOf);
    if (!pending || !commitTemp(fs, *pending))
        return false;
    // The copy is new and so already carries the current time; a failure here loses nothing.
    fs.setModifiedNow(pending->target);
    return true;
}

bool isTempName(std::string_view fileName)
{
    if (fileName.size() < 1 + kTempMarker.size() + kSuffixLength || fileName.front() != '.')
        return false;
    const auto marker = fileName.size() - kSuffixLength - kTempMarker.size();
    return fileName.substr(marker, kTempMarker.size()) == kTempMarker;
}

bool isTempNameOf(std::string_view fileName, std::string_view targetName)
{
    const std::string prefix = "." + std::string(targetName) + std::string(kTempMarker);
    if (fileName.size() != prefix.size() + kSuffixLength || !fileName.starts_with(prefix))
        return false;
    return fileName.substr(prefix.size()).find_first_not_of(kDigits) == std::string_view::npos;
}

} // namespace notavi
