#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace notavi::test {

class TempDir
{
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes bytes to a file below the folder (creating its parent folders), replacing it.
    void write(std::string_view name, std::string_view bytes) const;
    // The bytes of a file below the folder; empty when it is missing.
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // Names of the entries directly in the folder, sorted.
    std::vector<std::string> entries() const;
    // Whether a temporary file of an atomic write was left behind in the folder.
    bool holdsTempFile() const;
    // The names of the entries directly in any folder, sorted.
    static std::vector<std::string> entriesOf(const std::filesystem::path& folder);

  private:
    std::filesystem::path path_;
};

// The permission bits of a file (after its links); 0 when it cannot be examined.
unsigned permissionsOf(const std::filesystem::path& file);

// Whether the tests run with root's rights, which ignore file permissions.
bool runningAsRoot();

// Whole-file helpers for test data (bytes exactly as given, no line-end translation).
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

} // namespace notavi::test
