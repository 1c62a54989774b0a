#include "RosterChanges.h"

#include "roster/PlayerOps.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/LeagueNames.h"
#include "store/NumberText.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"

#include <algorithm>

namespace tallyrock {

void copyPlayerRecord(Store& store, int from, int to) {
    if (from < 0 || from > MaxPlayers || to < 0 || to > MaxPlayers) return;
    PlayerRecord& target = store.player(to);
    int16_t mark = target.PlayerMark; // the working mark belongs to the slot, not the record
    target = store.player(from);
    target.PlayerMark = mark;
    if (store.teams.TeamsInUse == 1) store.teams.PlayerTeam[to] = store.teams.PlayerTeam[from];
}

std::vector<int> rosterSlots(const LeagueTables& league) {
    std::vector<int> slots;
    for (int p = 1; p <= league.PlayerCount && p <= MaxPlayers; ++p)
        if (!league.player[p].PlayerName.empty()) slots.push_back(p);
    return slots;
}

std::vector<std::string> rosterNames(const LeagueTables& league) {
    std::vector<std::string> names;
    for (int p : rosterSlots(league))
        names.push_back(league.player[p].PlayerName);
    return names;
}

std::string playerListCaption(const Store& store) {
    return store.league.LeagueFilePath + " Player List";
}

Message removePlayerQuestion(const std::string& name) {
    return {"Confirm Removal",
            joinLines({"Are you sure you want to remove the player", name + "  from your League?", "",
                       "     CONTINUE?          Select 'NO' to cancel"}),
            Icon::Stop};
}

void removePlayer(Store& store, int k) {
    LeagueTables& league = store.league;
    if (k < 1 || k > league.PlayerCount) return;
    noteChange(store, league.LeagueFilePath, "Remove Player " + store.player(k).PlayerName);
    store.player(k).PlayerName.clear();
    ReloadTeams(store);
    for (int i = k; i <= league.PlayerCount - 1; ++i)
        copyPlayerRecord(store, i + 1, i);
    --league.PlayerCount;
}

RenameCheck checkRename(const LeagueTables& league, const std::string& newName) {
    if (checkPlayerName(newName)) return RenameCheck::Refused;
    if (charCount(newName) < 4) return RenameCheck::TooShort;
    for (int p = 1; p <= league.PlayerCount && p <= MaxPlayers; ++p)
        if (league.player[p].PlayerName == newName) return RenameCheck::InUse;
    return RenameCheck::Ok;
}

Message nameInUse() {
    return {"VEXA", joinLines({"This name is already in use", "and cannot be used again."}), Icon::None};
}

Message renameQuestion() {
    return {"VEXA",
            joinLines({"Are you sure you want to change", "this players name?", "",
                       "     CONTINUE?          Select 'NO' to cancel"}),
            Icon::Question};
}

void renamePlayer(Store& store, int k, const std::string& newName) {
    if (k < 1 || k > store.league.PlayerCount || checkPlayerName(newName)) return;
    noteChange(store, store.league.LeagueFilePath,
               "Rename Player " + store.player(k).PlayerName + " to " + newName);
    store.player(k).PlayerName = newName;
}

std::vector<std::string> orderLines(const LeagueTables& league) {
    std::vector<std::string> lines;
    for (int p : rosterSlots(league)) {
        std::string number = plainNumber(static_cast<long long>(p));
        lines.push_back(std::string(3 - std::min<std::size_t>(3, number.size()), ' ') + number + "  " +
                        league.player[p].PlayerName);
    }
    return lines;
}

std::string orderListCaption(const Store& store) {
    return leagueName(store) + "   Player List";
}

std::string orderLineName(const std::string& line) {
    return line.size() > 5 ? line.substr(5) : std::string();
}

std::optional<int> orderSpin(const std::string& text, int playerCount, bool down) {
    long long number = roundWhole(leadingNumber(text));
    if (down && number < playerCount) return static_cast<int>(std::max<long long>(number + 1, 1));
    if (!down && number > 1) return static_cast<int>(std::min<long long>(number - 1, playerCount));
    return std::nullopt;
}

std::string orderPositionText(const std::string& typed, int playerCount) {
    if (leadingNumber(typed) > playerCount) return plainNumber(static_cast<long long>(playerCount));
    return typed;
}

int orderTargetPosition(const std::string& text) {
    long long position = roundWhole(leadingNumber(text));
    return static_cast<int>(std::clamp<long long>(position, 1, MaxPlayers));
}

bool movePlayer(Store& store, const std::string& name, int fromPosition, int to) {
    LeagueTables& league = store.league;
    if (to == fromPosition) return false;
    int k = findPlayer(league, name);
    if (k == 0 || to < 1 || to > league.PlayerCount) return false;
    noteChange(store, league.LeagueFilePath, "Move Player " + name);
    copyPlayerRecord(store, k, 0);
    for (int i = k; i <= league.PlayerCount - 1; ++i)
        copyPlayerRecord(store, i + 1, i);
    for (int i = league.PlayerCount; i >= to + 1; --i)
        copyPlayerRecord(store, i - 1, i);
    copyPlayerRecord(store, 0, to);
    return true;
}

} // namespace tallyrock
