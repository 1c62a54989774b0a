#include "LeagueOps.h"

#include "store/ChangeSet.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/LeagueNames.h"
#include "store/ReadWhole.h"
#include "store/SafeText.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <algorithm>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {
Message inUse() {
    return {"Tallyrock", "That name is already in use.", Icon::Exclamation};
}
Message listFull() {
    return {
        "Tallyrock",
        joinLines({"The league list is full (15 leagues).", "Delete a league before creating another one."}),
        Icon::Exclamation};
}
Message emptyName() {
    return {"Tallyrock", "Enter a name for your League file.", Icon::Exclamation};
}
Message notDeleted(const std::string& path) {
    return {"Tallyrock", "The file " + path + " could not be Deleted from disk.", Icon::Exclamation};
}

// Moves an existing file aside under the first free NAME<suffix>[n]; false when it could not.
bool moveAside(Store& store, const std::string& name, const std::string& suffix) {
    fs::path existing = resolveFile(store.workDir, name);
    std::error_code ec;
    if (!fs::exists(existing, ec)) return true;
    std::optional<std::string> content = readWhole(existing, MaxCopiedFileSize);
    if (!content) return false;
    noteRead(store, existing, LineReader(*content)); // what it holds now is kept, so it may go
    return store.writer->writeFile(freeSideName(store.workDir, existing.filename().string(), suffix),
                                   *content) &&
           store.writer->removeFile(existing);
}

// Ends a league change: lands it, or leaves the list as it was.
void finishLeagueChange(Store& store, ChangeSet& change, const Settings& before, LeagueResult& result) {
    if (result.messages.empty())
        if (Failure failure = change.commit()) result.messages.push_back(*failure);
    if (!result.messages.empty()) {
        store.settings = before;
        result.done = false;
    }
}
} // namespace

Message leagueNotListed() {
    return {"Tallyrock", "That name is not on the active list.", Icon::Exclamation};
}

std::string leagueNameBoxText(std::string_view typed) {
    std::string text;
    for (char c : typed)
        if (static_cast<unsigned char>(c) >= '0' || c == ' ') text += c;
    return leftChars(text, 30);
}

std::vector<std::string> leagueMenuAfterCreate(std::vector<std::string> menu, const std::string& name,
                                               int position) {
    if (menu.empty()) menu.emplace_back();
    if (menu[0] == NoEntries || menu[0].empty()) {
        menu[0] = name;
        return menu;
    }
    auto item = static_cast<std::size_t>(std::max(position - 1, 1));
    if (item >= menu.size()) menu.resize(item + 1);
    menu[item] = name;
    return menu;
}

std::vector<std::string> leagueMenuAfterDelete(std::vector<std::string> menu, const std::string& name) {
    if (menu.empty()) menu.emplace_back();
    auto item = std::find(menu.rbegin(), menu.rend(), name);
    if (item == menu.rend()) return menu;
    auto index = static_cast<std::size_t>(menu.rend() - item - 1);
    if (index == 0)
        menu[0].clear();
    else
        menu.erase(menu.begin() + static_cast<std::ptrdiff_t>(index));
    return menu;
}

Message deleteLeagueQuestion() {
    return {"Tallyrock",
            joinLines({"Are you sure you want to Delete the selected", "",
                       "League File and it's Team point data file?", "", "",
                       "    CONTINUE?    Select 'NO' to Exit"}),
            Icon::Stop};
}

int findLeague(const Settings& settings, std::string_view name) {
    int found = 0;
    for (int i = 1; i <= settings.LeagueCount && i <= MaxLeagues; ++i)
        if (sameName(settings.LeagueList[i], name)) found = i;
    return found;
}

Failure checkLeagueName(const Settings& settings, const std::string& name) {
    if (name.empty()) return emptyName();
    if (Failure unsafe = checkName(name, "A league name")) return unsafe;
    for (int i = 1; i <= MaxLeagues; ++i)
        if (sameName(settings.LeagueList[i], name)) return inUse();
    if (!isLegalLeagueName(name)) return illegalFileName();
    if (settings.LeagueCount >= MaxLeagues) return listFull();
    return std::nullopt;
}

Failure checkLeagueToDelete(const Settings& settings, const std::string& name) {
    if (name.empty()) return emptyName();
    int k = findLeague(settings, name);
    if (k == 0) return leagueNotListed();
    if (!isLegalLeagueName(settings.LeagueList[k])) return illegalFileName();
    return std::nullopt;
}

LeagueResult createLeague(Store& store, const std::string& name) {
    LeagueResult result;
    if (auto refusal = checkLeagueName(store.settings, name)) {
        result.messages.push_back(*refusal);
        return result;
    }
    std::string fileName = name + ".LGE";
    // The league file, the list and any file moved aside land together or not at all.
    ChangeSet change(store, "Create League " + name);
    const Settings before = store.settings;
    // Never wipe a league file that is no longer listed: keep it, and its teams, beside the new one.
    if (!moveAside(store, fileName, ".replaced") || !moveAside(store, teamFileName(fileName), ".replaced")) {
        result.messages.push_back(leagueSaveFailure());
        return result;
    }
    store.league.LeagueFilePath = fileName;
    ClearLeague(store);
    store.league.loadFailed = false;
    // Spelled as typed, not as the file just moved aside.
    if (!store.writer->writeFile(store.workDir / fileName, leagueFileText(store.league)))
        result.messages.push_back(leagueSaveFailure());
    Settings& s = store.settings;
    ++s.LeagueCount;
    s.LeagueList[s.LeagueCount] = name;
    result.done = true;
    if (result.messages.empty())
        if (auto failure = SaveLeagueList(store)) result.messages.push_back(*failure);
    finishLeagueChange(store, change, before, result);
    return result;
}

LeagueResult deleteLeague(Store& store, const std::string& name) {
    LeagueResult result;
    if (Failure refusal = checkLeagueToDelete(store.settings, name)) {
        result.messages.push_back(*refusal);
        return result;
    }
    int k = findLeague(store.settings, name);
    Settings& s = store.settings;
    std::string listed = s.LeagueList[k];
    ChangeSet change(store, "Delete League " + listed); // the list and the files go together
    const Settings before = store.settings;
    --s.LeagueCount;
    for (int i = k; i <= MaxLeagues - 1; ++i)
        s.LeagueList[i] = s.LeagueList[i + 1];
    s.LeagueList[MaxLeagues].clear();
    // The league opened last stays the same league, or none when it was this one.
    if (s.CurrentLeague == k - 1)
        s.CurrentLeague = -1;
    else if (s.CurrentLeague > k - 1)
        --s.CurrentLeague;
    result.done = true;
    if (auto failure = SaveLeagueList(store)) result.messages.push_back(*failure);

    std::string leagueFileName = listed + ".LGE";
    fs::path leagueFile = resolveFile(store.workDir, leagueFileName);
    // A league whose file is already gone needs no deleting; one that is no plain file cannot be.
    std::error_code ec;
    bool removable = !fs::exists(fs::symlink_status(leagueFile, ec)) ||
                     fs::is_regular_file(fs::symlink_status(leagueFile, ec));
    if (result.messages.empty() && (!removable || !store.writer->removeFile(leagueFile))) {
        result.messages.push_back(notDeleted(leagueFileName));
        result.fileLeft = true;
    }
    if (result.messages.empty()) store.writer->removeFile(resolveFile(store.workDir, listed + ".TEA"));
    finishLeagueChange(store, change, before, result);
    if (result.done) letLeagueGo(store, leagueFileName); // deleted here: nothing left to keep from others
    store.league.LeagueFilePath.clear();
    return result;
}

} // namespace tallyrock
