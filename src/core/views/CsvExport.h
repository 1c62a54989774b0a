#pragma once
// The league as spreadsheet files: the kinds of CSV export, what each one
// holds, and where an export may be written. The export file is written
// inside the data folder through the same atomic change as the data files,
// and never over one of them.

#include "services/Clock.h"
#include "store/CsvWriter.h"
#include "store/Message.h"
#include "store/Store.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrock {

// What a kind of export needs besides the league.
enum class ExportArgument { None, Date, Player };

struct ExportRequest {
    const Store& store;
    std::string argument; // the date or the player's name, as typed
    Date today;
};

// The rows of an export, or why there are none.
struct ExportRows {
    CsvRows rows;
    Failure refusal;
};

struct ExportKind {
    const char* name;  // as the command line names it: "rounds", "night" ...
    const char* title; // as the desktop program lists it
    ExportArgument argument;
    ExportRows (*rows)(const ExportRequest& request);
};

// Every kind, in the order the desktop program lists them.
const std::vector<ExportKind>& exportKinds();
const ExportKind* findExportKind(std::string_view name);

// YYYY-MM-DD of a stored round's date.
std::string isoDate(const RoundRecord& round);

// date, player, course, tee, out, in, h1..h18, differential, index,
// course_handicap: every round held, player by player, each player's oldest
// first. The import reads it back (its last three columns are worked out again).
CsvRows roundsCsvRows(const Store& store);
// player, tee, rounds, last_played, index, course_handicap: one record per
// player, the last three those of the newest round (empty without one).
CsvRows playersCsvRows(const Store& store);
// player, date, course, differential, index: the index after every round held.
CsvRows indexesCsvRows(const Store& store);

// The file an export named `name` is written to: `name` is taken inside the
// data folder (a full path must lead into it), ".csv" is added unless it ends
// so, and it may not name a data file of the program. Nothing, with the
// refusal, otherwise.
struct ExportTarget {
    std::optional<std::filesystem::path> file;
    Failure refusal;
};
ExportTarget exportTarget(const std::filesystem::path& workDir, const std::string& name);
// True for the names of the program's own files: league and team files, the
// course file, the league list, the settings file, and the hidden journal,
// lock and temporary files.
bool isDataFileName(std::string_view fileName);

// Writes the rows as one atomic change (an existing file is replaced whole
// or not at all). The failure message when it could not.
Failure writeCsvExport(Store& store, const std::filesystem::path& file, const CsvRows& rows);

} // namespace tallyrock
