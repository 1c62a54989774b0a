#pragma once
// The World Handicap System's files. In the data folder: whs-tees.dat (stroke
// indexes and nine-hole ratings per course and tee) and whs-pcc.dat (playing
// conditions per course and date); beside the settings file: whs.ini (the
// allowance and the expected nine-hole differential). Each is created only
// when first used; a missing file means no such data (and default settings).

#include "Message.h"
#include "Store.h"

#include <string>

namespace tallyrock {

inline constexpr const char* WhsTeesFileName = "whs-tees.dat";
inline constexpr const char* WhsPccFileName = "whs-pcc.dat";
inline constexpr const char* WhsSettingsFileName = "whs.ini";

// Reads both data-folder files. A file that is present but not valid leaves
// its table empty and returns its message; a missing file is no failure.
Failure LoadWhsCourseFiles(Store& store);
// Writes the table to its file (nothing is written for an empty table that has no file yet).
Failure SaveWhsTees(Store& store);
Failure SaveWhsPcc(Store& store);

// whs-tees.dat: the count, then 24 lines an entry: course number, tee, the
// stroke indexes of holes 1..18 (0: none), front nine rating and slope, back
// nine rating and slope (0: not given).
std::string whsTeesText(const WhsTables& tables);
// whs-pcc.dat: the count, then 5 lines an entry: course number, month, day,
// two-digit year, PCC.
std::string whsPccText(const WhsTables& tables);

// whs.ini: three lines, the allowance in percent, the factor and the base of
// the expected nine-hole differential (" 100 ", " .52 ", " 1.2 "). A missing
// or bad file keeps the defaults, silently, as the settings file does.
void LoadWhsSettings(Store& store);
bool SaveWhsSettings(Store& store);
std::string whsSettingsText(const Settings& s);
// True when the settings differ from the defaults.
bool whsSettingsChanged(const Settings& s);

Message whsFileLoadFailure(const std::string& fileName);
Message whsFileSaveFailure(const std::string& fileName);

} // namespace tallyrock
