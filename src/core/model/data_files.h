#pragma once

// The names of the program's files in the base folder and the program folder.

#include <string_view>

namespace notavi {

inline constexpr std::string_view kDataFileName = "notavi.dat";
inline constexpr std::string_view kBackupFileName = "notavi.bak";
inline constexpr std::string_view kSettingsFileName = "notavi.ini";
// Beside the executable: its existence alone selects portable mode.
inline constexpr std::string_view kPortableMarkerName = "notavi.por";
// The name of the program's folder below the per-user data folder.
inline constexpr std::string_view kUserFolderName = "Notavi";

} // namespace notavi
