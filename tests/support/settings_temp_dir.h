#pragma once

// A fresh folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <string>
#include <string_view>

namespace notavi::test {

class SettingsTempDir
{
  public:
    SettingsTempDir();
    ~SettingsTempDir();
    SettingsTempDir(const SettingsTempDir&) = delete;
    SettingsTempDir& operator=(const SettingsTempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Whole-file helpers for test data (bytes exactly as given, no line-end translation).
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);

} // namespace notavi::test
