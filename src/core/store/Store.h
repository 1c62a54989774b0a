#pragma once
// The one object that holds the program's tables and the values windows share.
// Created once by the desktop program or the command-line tool and handed to
// every window and command.

#include "CourseTable.h"
#include "FileLock.h"
#include "FileWriter.h"
#include "LeagueTables.h"
#include "Settings.h"
#include "TeamTables.h"
#include "WhsTables.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

// What the course window is opened for: a new course, the chosen course, or
// (from the course panel) the course handicap chart; None once it has closed.
enum class CourseWindowMode { None, Add, Edit, Chart };

// A change of the tables in memory that a data file does not hold yet. It
// names the change in the list of changes that can be undone (UndoLog.h).
struct PendingChange {
    std::string file;   // the data file it will change; empty: the change under way (ChangeSet)
    std::string label;  // in the user's words: "Remove Player Mary O'Hara"
    bool round = false; // a round recorded in score entry
};

struct Store {
    LeagueTables league;
    CourseTable courses;
    Settings settings;
    TeamTables teams;
    WhsTables whs;

    // Shared selection values.
    int16_t CurrentPlayer = 0;
    int16_t CurrentCourse = 0;
    int16_t EditSlot = 0;
    int16_t EntryMonth = 0;
    int16_t EntryDay = 0;
    int16_t EntryYear = 0;
    CourseWindowMode CourseFormMode = CourseWindowMode::None;
    std::string ChartKind; // "line" or "pie"
    std::array<std::string, 13> MonthName{};

    // Where the data files live, and the folder of the settings file.
    std::filesystem::path workDir = ".";
    std::filesystem::path settingsDir;
    std::string SettingsPath; // full name of the settings file once loaded or saved

    std::shared_ptr<FileWriter> writer = std::make_shared<AtomicFileWriter>();

    // Working beside other programs (see ChangeSet).
    std::string programName = "Tallyrock";     // how this program names itself to others
    std::chrono::milliseconds lockWait{10000}; // how long a change waits for another's
    std::shared_ptr<FileLock> folderLock;      // held for a whole command by the command-line tool
    bool staging = false;                      // a change is under way
    std::string openLeagueFile;                // the league this program holds open, if any
    std::shared_ptr<FileLock> openLeagueLock;
    std::map<std::string, std::optional<std::size_t>>
        fileFingerprints;                      // what each data file held when read or written
    std::vector<PendingChange> pendingChanges; // oldest first

    PlayerRecord& player(int p) { return league.player[p]; }
    const PlayerRecord& player(int p) const { return league.player[p]; }
};

void FillMonthNames(Store& store);

} // namespace tallyrock
