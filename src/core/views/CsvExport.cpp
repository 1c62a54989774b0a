#include "CsvExport.h"

#include "NightResults.h"
#include "Worksheet.h"
#include "handicap/PlayedTee.h"
#include "roster/PlayerOps.h"
#include "store/ChangeSet.h"
#include "store/FileNames.h"
#include "store/NumberText.h"
#include "store/SafeText.h"

#include <algorithm>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {

int playerCount(const Store& store) {
    return std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers);
}
int roundCount(const PlayerRecord& player) {
    return std::clamp<int>(player.RoundCount, 0, MaxRounds);
}

std::string courseName(const Store& store, const RoundRecord& round) {
    return round.RoundCourse >= 1 && round.RoundCourse <= MaxCourses ? store.courses.name(round.RoundCourse)
                                                                     : std::string();
}

// Indexes and differentials are kept to a tenth; course handicaps are whole.
std::string tenths(float value) {
    return formatPattern(value, "0.0");
}
std::string whole(float value) {
    return formatPattern(value, "0");
}

std::string fourDigits(int value) {
    std::string text = plainNumber(value);
    return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}
std::string twoDigits(int value) {
    std::string text = plainNumber(value);
    return text.size() < 2 ? "0" + text : text;
}

Message refusal(const std::string& text) {
    return {"Tallyrock", text, Icon::Exclamation};
}

ExportRows allRounds(const ExportRequest& request) {
    return {roundsCsvRows(request.store), std::nullopt};
}
ExportRows allPlayers(const ExportRequest& request) {
    return {playersCsvRows(request.store), std::nullopt};
}
ExportRows allIndexes(const ExportRequest& request) {
    return {indexesCsvRows(request.store), std::nullopt};
}
ExportRows worksheet(const ExportRequest& request) {
    int p = findPlayer(request.store.league, request.argument);
    if (p == 0) return {{}, refusal("There is no player '" + request.argument + "' in this league.")};
    return {worksheetCsvRows(buildWorksheet(request.store, p, request.today)), std::nullopt};
}
ExportRows night(const ExportRequest& request) {
    NightChoice choice = nightResultsOf(request.store, request.argument);
    if (choice.refusal) return {{}, choice.refusal};
    return {nightCsvRows(choice.sheet), std::nullopt};
}

bool endsWith(const std::string& upper, std::string_view ending) {
    return upper.size() >= ending.size() &&
           upper.compare(upper.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

const std::vector<ExportKind>& exportKinds() {
    static const std::vector<ExportKind> kinds{
        {"rounds", "Every round held (the import's format)", ExportArgument::None, allRounds},
        {"players", "The players, with their latest index", ExportArgument::None, allPlayers},
        {"indexes", "The index after every round held", ExportArgument::None, allIndexes},
        {"night", "The results of a date", ExportArgument::Date, night},
        {"worksheet", "A player's handicap worksheet", ExportArgument::Player, worksheet},
    };
    return kinds;
}

const ExportKind* findExportKind(std::string_view name) {
    for (const ExportKind& kind : exportKinds())
        if (equalsIgnoringCase(kind.name, name)) return &kind;
    return nullptr;
}

std::string isoDate(const RoundRecord& round) {
    return fourDigits(fullYear(round.RoundYear)) + "-" + twoDigits(round.RoundMonth) + "-" +
           twoDigits(round.RoundDay);
}

CsvRows roundsCsvRows(const Store& store) {
    CsvRows rows{{"date", "player", "course", "tee", "out", "in"}};
    for (int h = 1; h <= 18; ++h)
        rows[0].push_back("h" + plainNumber(h));
    for (const char* column : {"differential", "index", "course_handicap"})
        rows[0].push_back(column);
    for (int p = 1; p <= playerCount(store); ++p) {
        const PlayerRecord& player = store.player(p);
        for (int r = 1; r <= roundCount(player); ++r) {
            const RoundRecord& round = player.round[r];
            std::vector<std::string> row{isoDate(round),
                                         player.PlayerName,
                                         courseName(store, round),
                                         plainNumber(playedTee(store, p, r)),
                                         plainNumber(round.HoleScore[OutSlot]),
                                         plainNumber(round.HoleScore[InSlot])};
            for (std::size_t h = 1; h <= 18; ++h)
                row.push_back(plainNumber(round.HoleScore[h]));
            row.push_back(tenths(round.RoundDiff));
            row.push_back(tenths(round.RoundIndex));
            row.push_back(whole(round.RoundCourseHcp));
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

CsvRows playersCsvRows(const Store& store) {
    CsvRows rows{{"player", "tee", "rounds", "last_played", "index", "course_handicap"}};
    for (int p = 1; p <= playerCount(store); ++p) {
        const PlayerRecord& player = store.player(p);
        const int count = roundCount(player);
        std::vector<std::string> row{player.PlayerName, plainNumber(player.PlayerTee), plainNumber(count)};
        if (count > 0) {
            const RoundRecord& newest = player.round[count];
            row.insert(row.end(), {isoDate(newest), tenths(newest.RoundIndex), whole(newest.RoundCourseHcp)});
        } else {
            row.insert(row.end(), {"", "", ""});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CsvRows indexesCsvRows(const Store& store) {
    CsvRows rows{{"player", "date", "course", "differential", "index"}};
    for (int p = 1; p <= playerCount(store); ++p) {
        const PlayerRecord& player = store.player(p);
        for (int r = 1; r <= roundCount(player); ++r) {
            const RoundRecord& round = player.round[r];
            rows.push_back({player.PlayerName, isoDate(round), courseName(store, round),
                            tenths(round.RoundDiff), tenths(round.RoundIndex)});
        }
    }
    return rows;
}

bool isDataFileName(std::string_view fileName) {
    const std::string name = upperCase(fileName);
    if (name.empty() || name.front() == '.') return true; // the journal, the locks, interrupted saves
    for (const char* file : {"COURSE.DAT", "VEXA.DAT", "VEXA.INI"})
        if (name == file || name.rfind(std::string(file) + ".", 0) == 0) return true;
    // League and team files, and the copies kept beside them (NAME.LGE.replaced ...).
    for (const char* extension : {".LGE", ".TEA"})
        if (endsWith(name, extension) || name.find(std::string(extension) + ".") != std::string::npos)
            return true;
    return false;
}

ExportTarget exportTarget(const fs::path& workDir, const std::string& name) {
    if (name.empty() || isBlank(name)) return {std::nullopt, refusal("The export needs a file name.")};
    const std::string quoted = "\"" + name + "\"";
    if (!isSafeText(name)) return {std::nullopt, refusal(quoted + " is not a file name.")};
    const fs::path given(name);
    std::string fileName = given.filename().string();
    if (fileName.empty() || fileName == "." || fileName == "..")
        return {std::nullopt, refusal(quoted + " names a folder, not a file.")};
    const Message dataFile =
        refusal(quoted + " is one of Tallyrock's data files. An export never replaces a data file.");
    if (isDataFileName(fileName)) return {std::nullopt, dataFile};
    if (!endsWith(upperCase(fileName), ".CSV")) fileName += ".csv";

    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(fs::absolute(workDir, ec), ec);
    const fs::path chosen = (given.is_absolute() ? given : workDir / given).parent_path() / fileName;
    // Links are followed as the write would follow them.
    const fs::path target = fs::weakly_canonical(fs::absolute(chosen, ec), ec);
    const fs::path inside = target.lexically_relative(folder);
    if (ec || inside.empty() || *inside.begin() == ".." || inside == ".")
        return {std::nullopt,
                refusal(quoted + " is outside the data folder. An export is written inside it.")};
    if (isDataFileName(target.filename().string())) return {std::nullopt, dataFile};
    if (fs::is_directory(target, ec)) return {std::nullopt, refusal(quoted + " names a folder, not a file.")};
    return {target, std::nullopt};
}

Failure writeCsvExport(Store& store, const fs::path& file, const CsvRows& rows) {
    const std::string text = csvText(rows);
    return applyChange(store, [&]() -> Failure {
        if (store.writer->writeFile(file, text)) return std::nullopt;
        std::string reason = store.writer->lastError.empty() ? "" : ": " + store.writer->lastError;
        return refusal("Unable to write the export to " + file.string() + reason);
    });
}

} // namespace tallyrock
