#include "PlayerOps.h"

#include "store/ChangeSet.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/LeagueNames.h"
#include "store/NumberText.h"
#include "store/RuleOptions.h"
#include "store/SafeText.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"

namespace tallyrock {

Message duplicatePlayerName() {
    return {"Player entry error", "That name is already taken!", Icon::Exclamation};
}

std::string playerNameBoxText(std::string_view typed) {
    std::string text = leftChars(typed, PlayerNameMaxChars);
    for (char& c : text)
        if (c == '"') c = '\'';
    return text;
}

Failure checkPlayerName(std::string_view name) {
    if (Failure unsafe = checkName(name, "A player name")) return unsafe;
    if (charCount(name) > PlayerNameMaxChars)
        return Message{"Tallyrock",
                       "A player name has at most " +
                           plainNumber(static_cast<long long>(PlayerNameMaxChars)) + " characters.",
                       Icon::Exclamation};
    return std::nullopt;
}

void openAddPlayers(Store& store) {
    ReloadTeams(store);
}

AddPlayerResult addPlayer(Store& store, const std::string& name, int tee) {
    LeagueTables& league = store.league;
    if (checkPlayerName(name)) return AddPlayerResult::Refused;
    if (charCount(name) < 3) return AddPlayerResult::TooShort;
    if (league.PlayerCount >= MaxPlayers) return AddPlayerResult::RosterFull;
    const std::string folded = foldCase(name);
    for (int i = 1; i <= league.PlayerCount; ++i)
        if (foldCase(store.player(i).PlayerName) == folded) return AddPlayerResult::Duplicate;
    int p = league.PlayerCount + 1;
    store.CurrentPlayer = static_cast<int16_t>(p);
    PlayerRecord& player = store.player(p);
    player.clearRecord();
    player.PlayerName = name;
    player.PlayerTee = static_cast<int16_t>(isTee(tee) ? tee : MensTee);
    league.PlayerCount = static_cast<int16_t>(p);
    noteChange(store, league.LeagueFilePath, "Add Player " + name);
    if (store.teams.TeamsInUse == 1) store.teams.PlayerTeam[p] = 0;
    return AddPlayerResult::Added;
}

std::vector<Message> saveRosterFiles(Store& store, TeamFileSave teamFile) {
    std::vector<Message> messages;
    ChangeSet change(store); // the team numbers and the players land together
    // The team file holds one team number per player before the entries: while
    // any team exists it must follow every change of the roster, or its entries
    // would be read as team numbers.
    bool teamsExist = store.teams.TeamsInUse == 1 || store.teams.TeamCount > 0;
    bool saveTeams =
        teamFile == TeamFileSave::Always || (teamFile == TeamFileSave::WhileTeamsInUse && teamsExist);
    if (saveTeams)
        if (auto failure = SaveTeamFile(store)) messages.push_back(*failure);
    if (auto failure = SaveLeagueFile(store)) messages.push_back(*failure);
    if (messages.empty())
        if (auto failure = change.commit()) messages.push_back(*failure);
    return messages;
}

std::string memberCountText(int count) {
    return plainNumber(static_cast<long long>(count)) + " member(s)";
}

std::string addPlayersTitle(const Store& store) {
    return leagueName(store) + " Players";
}

int findPlayer(const LeagueTables& league, std::string_view name) {
    int found = 0;
    for (int p = 1; p <= league.PlayerCount && p <= MaxPlayers; ++p)
        if (league.player[p].PlayerName == name) found = p;
    return found;
}

} // namespace tallyrock
