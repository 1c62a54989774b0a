#include "LeagueOps.h"

#include "main/StartUp.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/SafeText.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <algorithm>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {
Message inUse() { return {"Tallyrock", "That name is already in use.", Icon::Exclamation}; }
Message listFull() {
    return {"Tallyrock",
            joinLines({"The league list is full (15 leagues).", "Delete a league before creating another one."}),
            Icon::Exclamation};
}
Message emptyName() { return {"Tallyrock", "Enter a name for your League file.", Icon::Exclamation}; }
Message notDeleted(const std::string& path) {
    return {"Tallyrock", "The file " + path + " could not be Deleted from disk.", Icon::Exclamation};
}

// Moves an existing file aside under the first free NAME<suffix>[n]; false when it could not.
bool moveAside(const fs::path& folder, const std::string& name, const std::string& suffix) {
    fs::path existing = resolveFile(folder, name);
    std::error_code ec;
    if (!fs::exists(existing, ec)) return true;
    fs::rename(existing, freeSideName(folder, existing.filename().string(), suffix), ec);
    return !ec;
}
} // namespace

Message leagueNotListed() { return {"Tallyrock", "That name is not on the active list.", Icon::Exclamation}; }

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
            joinLines({"Are you sure you want to Delete the selected", "", "League File and it's Team point data file?",
                       "", "", "    CONTINUE?    Select 'NO' to Exit"}),
            Icon::Stop};
}

int findLeague(const Settings& settings, std::string_view name) {
    int found = 0;
    for (int i = 1; i <= settings.LeagueCount && i <= MaxLeagues; ++i)
        if (sameName(settings.LeagueList[static_cast<std::size_t>(i)], name)) found = i;
    return found;
}

Failure checkLeagueName(const Settings& settings, const std::string& name) {
    if (name.empty()) return emptyName();
    if (Failure unsafe = checkName(name, "A league name")) return unsafe;
    for (int i = 1; i <= MaxLeagues; ++i)
        if (sameName(settings.LeagueList[static_cast<std::size_t>(i)], name)) return inUse();
    if (!isLegalLeagueName(name)) return illegalFileName();
    if (settings.LeagueCount >= MaxLeagues) return listFull();
    return std::nullopt;
}

Failure checkLeagueToDelete(const Settings& settings, const std::string& name) {
    if (name.empty()) return emptyName();
    int k = findLeague(settings, name);
    if (k == 0) return leagueNotListed();
    if (!isLegalLeagueName(settings.LeagueList[static_cast<std::size_t>(k)])) return illegalFileName();
    return std::nullopt;
}

LeagueResult createLeague(Store& store, const std::string& name) {
    LeagueResult result;
    if (auto refusal = checkLeagueName(store.settings, name)) {
        result.messages.push_back(*refusal);
        return result;
    }
    std::string fileName = name + ".LGE";
    // Never wipe a league file that is no longer listed: keep it, and its teams, beside the new one.
    if (!moveAside(store.workDir, fileName, ".replaced") ||
        !moveAside(store.workDir, teamFileName(fileName), ".replaced")) {
        result.messages.push_back(leagueSaveFailure());
        return result;
    }
    store.league.LeagueFilePath = fileName;
    ClearLeague(store);
    store.league.loadFailed = false;
    if (auto failure = SaveLeagueFile(store)) result.messages.push_back(*failure);
    Settings& s = store.settings;
    ++s.LeagueCount;
    s.LeagueList[static_cast<std::size_t>(s.LeagueCount)] = name;
    result.done = true;
    if (auto failure = SaveLeagueList(store)) result.messages.push_back(*failure);
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
    std::string listed = s.LeagueList[static_cast<std::size_t>(k)];
    --s.LeagueCount;
    for (int i = k; i <= MaxLeagues - 1; ++i)
        s.LeagueList[static_cast<std::size_t>(i)] = s.LeagueList[static_cast<std::size_t>(i + 1)];
    s.LeagueList[MaxLeagues].clear();
    result.done = true;
    if (auto failure = SaveLeagueList(store)) result.messages.push_back(*failure);

    store.league.LeagueFilePath = listed + ".LGE";
    std::error_code ec;
    fs::path leagueFile = resolveFile(store.workDir, store.league.LeagueFilePath);
    // A league whose file is already gone needs no deleting.
    if (fs::exists(leagueFile, ec) && !fs::remove(leagueFile, ec)) {
        result.messages.push_back(notDeleted(store.league.LeagueFilePath));
        result.fileLeft = true;
        store.league.LeagueFilePath.clear();
        return result;
    }
    fs::path teamFile = resolveFile(store.workDir, listed + ".TEA");
    if (fs::exists(teamFile, ec)) fs::remove(teamFile, ec);
    store.league.LeagueFilePath.clear();
    return result;
}

} // namespace tallyrock
