#include "LeagueFile.h"

#include "ChangeSet.h"
#include "FileNames.h"
#include "LineReader.h"
#include "NumberText.h"
#include "UndoLog.h"

namespace tallyrock {
namespace fs = std::filesystem;

Message leagueLoadFailure() {
    return {"Tallyrock",
            joinLines({"Unable to load league file, please check the",
                       "working directory specified by your launcher."}),
            Icon::Exclamation};
}

Message leagueSaveFailure() {
    return {"Tallyrock", "Error Creating League Record File", Icon::Exclamation};
}

void PlayerRecord::clearRecord() {
    PlayerName.clear();
    PlayerTee = 0;
    RoundCount = 0;
    round.fill(RoundRecord{});
}

int fullYear(int twoDigitYear) {
    return twoDigitYear >= 85 ? 1900 + twoDigitYear : 2000 + twoDigitYear;
}

void ClearLeague(Store& store) {
    store.league.PlayerCount = 0;
    for (int p = 1; p <= MaxPlayers; ++p)
        store.player(p).clearRecord();
}

namespace {

// A full league, 100 players of 20 rounds with the widest numbers, is about
// 0.6 MB; a file many times that is no league file and is not read.
constexpr std::uintmax_t MaxLeagueFileBytes = 16u << 20;

bool readRound(LineReader& in, RoundRecord& r) {
    if (!in.number(r.RoundDiff) || !in.integer(r.RoundMonth) || !in.integer(r.RoundDay) ||
        !in.integer(r.RoundYear) || !in.number(r.RoundIndex) || !in.number(r.RoundCourseHcp) ||
        !in.integerIn(r.RoundCourse, 0, MaxCourses))
        return false;
    for (int h = 1; h <= HoleSlots; ++h)
        if (!in.integer(r.HoleScore[h])) return false;
    return true;
}

bool readPlayer(LineReader& in, PlayerRecord& p) {
    if (!in.line(p.PlayerName) || !in.integerIn(p.PlayerTee, 0, 3) ||
        !in.integerIn(p.RoundCount, 0, MaxRounds))
        return false;
    for (int r = 1; r <= MaxRounds; ++r)
        if (!readRound(in, p.round[r])) return false;
    return true;
}

} // namespace

Failure LoadLeagueFile(Store& store) {
    LeagueTables& league = store.league;
    league.loadFailed = true;
    forgetLeagueChanges(store); // whatever the tables held unsaved is replaced
    if (!isLegalLeagueFile(league.LeagueFilePath)) {
        league.PlayerCount = 0;
        return illegalFileName();
    }
    fs::path path = resolveFile(store.workDir, league.LeagueFilePath);
    auto in = LineReader::open(path, MaxLeagueFileBytes);
    noteRead(store, path, in);
    int16_t count = 0;
    if (!in || !in->integer(count) || count < 0) {
        // Nothing of this league was read: show none of the previous league's players.
        league.PlayerCount = 0;
        return leagueLoadFailure();
    }
    // A count above the table's size reads the first hundred players, then fails.
    league.PlayerCount = std::min<int16_t>(count, MaxPlayers);
    for (int p = 1; p <= league.PlayerCount; ++p) {
        store.player(p).clearRecord();
        if (!readPlayer(*in, store.player(p))) {
            for (int q = p + 1; q <= league.PlayerCount; ++q)
                store.player(q).clearRecord();
            return leagueLoadFailure();
        }
    }
    if (count > MaxPlayers) return leagueLoadFailure();
    league.loadFailed = false;
    return std::nullopt;
}

std::string leagueFileText(const LeagueTables& league) {
    std::string out;
    out.reserve(static_cast<std::size_t>(league.PlayerCount) * 543 * 5 + 8);
    auto put = [&out](const std::string& s) {
        out += s;
        out += "\r\n";
    };
    put(fileNumber(static_cast<int>(league.PlayerCount)));
    for (int p = 1; p <= league.PlayerCount && p <= MaxPlayers; ++p) {
        const PlayerRecord& pl = league.player[p];
        put(pl.PlayerName);
        put(fileNumber(static_cast<int>(pl.PlayerTee)));
        put(fileNumber(static_cast<int>(pl.RoundCount)));
        for (int r = 1; r <= MaxRounds; ++r) {
            const RoundRecord& rd = pl.round[r];
            put(fileNumber(rd.RoundDiff));
            put(fileNumber(static_cast<int>(rd.RoundMonth)));
            put(fileNumber(static_cast<int>(rd.RoundDay)));
            put(fileNumber(static_cast<int>(rd.RoundYear)));
            put(fileNumber(rd.RoundIndex));
            put(fileNumber(rd.RoundCourseHcp));
            put(fileNumber(static_cast<int>(rd.RoundCourse)));
            for (int h = 1; h <= HoleSlots; ++h)
                put(fileNumber(static_cast<int>(rd.HoleScore[h])));
        }
    }
    return out;
}

Failure SaveLeagueFile(Store& store) {
    LeagueTables& league = store.league;
    if (!isLegalLeagueFile(league.LeagueFilePath)) return illegalFileName();
    fs::path target = resolveFile(store.workDir, league.LeagueFilePath);
    ChangeSet change(store);
    std::error_code ec;
    if (league.loadFailed && fs::exists(target, ec)) {
        // The file that failed to load may hold what the user had: keep it before replacing it.
        fs::path keep = freeSideName(store.workDir, target.filename().string(), ".damaged");
        if (!copyFileAtomically(*store.writer, target, keep)) return leagueSaveFailure();
    }
    if (!store.writer->writeFile(target, leagueFileText(league))) return leagueSaveFailure();
    if (Failure failure = change.commit()) return failure;
    league.loadFailed = false;
    return std::nullopt;
}

} // namespace tallyrock
