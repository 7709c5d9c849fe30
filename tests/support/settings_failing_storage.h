#pragma once

// The real disk behind the settings' storage interface, with steps that fail on request.

#include "core/app/ini_storage.h"

namespace notavi::test {

class FailingIniStorage final : public IniStorage
{
  public:
    bool failWrite = false;  // writes half of the bytes, then reports failure (a torn write)
    bool failRename = false; // the step between writing the temporary file and replacing the target
    int writes = 0;          // writeNewFile calls

    IniFileRead readFile(const std::filesystem::path& path) override;
    bool writeNewFile(const std::filesystem::path& path, std::string_view bytes) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool remove(const std::filesystem::path& path) override;
};

} // namespace notavi::test
