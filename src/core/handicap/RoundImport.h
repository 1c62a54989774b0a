#pragma once
// Rounds given as text, by the command-line tool's options or as the rows of
// a spreadsheet file: the checks every such round passes before anything is
// recorded, and its recording as score entry does it.

#include "RoundRecorder.h"
#include "store/CsvReader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrock {

// One round as text. Empty texts are absent values: no tee means the player's
// default, an empty hole is not played, an absent total is not given.
struct RoundFields {
    std::string date, player, course, tee, out, in;
    std::array<std::string, 19> holes{}; // 1..18
};

// A round that passed the checks.
struct RoundInput {
    int player = 0;
    int course = 0;
    int tee = 0;
    int16_t month = 0, day = 0, year = 0; // year as two digits
    HoleScores scores{};                  // holes as typed; Out and In as given for a round of totals only
    bool fromHoles = false;               // Out and In are the sums of the holes after stroke control
};

// "MM/DD/YY", "MM/DD/YYYY" or "YYYY-MM-DD" (month and day may have one digit)
// on the calendar, 1985..2084; the year is returned as its two digits.
bool parseRoundDate(std::string_view text, int16_t& month, int16_t& day, int16_t& year);

// Checks a new round: player (the last slot of exactly that name), course (the
// last of that name, letter case ignored), date, tee, scores, and that the
// course gives a differential from the tee. Returns the reason it is refused,
// or empty with `input` filled.
std::string checkNewRound(const Store& store, const RoundFields& fields, RoundInput& input);

// Finds the player of that name and checks that slot is one of the player's rounds.
std::string checkPlayerSlot(const Store& store, const std::string& playerName, int slot, int& player);

// Checks an edit of a stored round: date and course come from the slot; the
// date and course texts of `fields` are not used.
std::string checkEditedRound(const Store& store, const RoundFields& fields, int slot, RoundInput& input);

// Records a checked round as score entry does, into slot `editSlot` (0: a new round).
RecordResult recordRound(Store& store, RoundRecorder& recorder, const RoundInput& input, int editSlot);

// A week's scores from a spreadsheet file: a header row naming the columns
// (date, player, course required; tee, out, in, h1..h18 optional; any order,
// letter case ignored; the rounds export's differential, index and
// course_handicap are read past), then one round per row. Every row is checked first;
// any bad row gives "line N: reason" and nothing is recorded. Otherwise the
// rounds are recorded in file order. The league file is not saved here.
struct ImportResult {
    int recorded = 0;
    std::vector<std::string> errors;
    // Under the World Handicap System: each round's panel, after a line naming the player.
    std::vector<std::string> panel;
};
ImportResult importRounds(Store& store, std::string_view csvText);

// A week's scores are a few kilobytes; a spreadsheet file larger than this is
// refused before it is read.
inline constexpr std::uintmax_t MaxImportFileBytes = 16u << 20;

// The text of the spreadsheet file to import. `error` tells why it was not
// read: missing or unreadable, not a regular file (a folder, a pipe or a
// device is never read), or larger than MaxImportFileBytes.
struct ImportFile {
    std::string text;
    std::string error; // empty when read
};
ImportFile readImportFile(const std::filesystem::path& path);

} // namespace tallyrock
