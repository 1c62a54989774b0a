#include "SettingsFile.h"

#include "ChangeSet.h"
#include "FileNames.h"
#include "LineReader.h"
#include "NumberText.h"
#include "RuleOptions.h"
#include "WhsFiles.h"

#include <cstdlib>

namespace tallyrock {
namespace fs = std::filesystem;

Message leagueListLoadFailure() {
    return {"Tallyrock",
            joinLines({"Cannot Load vexa.dat, Please check your working",
                       "directory or Launchers startup directory setting."}),
            Icon::None};
}

Message leagueListSaveFailure() {
    return {"Tallyrock", "Cannot Write vexa.dat, Please check disk write protect.", Icon::None};
}

Message settingsSaveFailure() {
    return {"Tallyrock",
            std::string("Cannot Write ") + SettingsFileName + ", Please check disk write protect.",
            Icon::None};
}

void FillMonthNames(Store& store) {
    static const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m)
        store.MonthName[m] = names[m - 1];
}

void SetDefaults(Settings& s) {
    if (s.IndexFactor == 0) s.IndexFactor = 0.96f;
    if (s.FontName.empty()) s.FontName = "Courier New";
    if (s.HcpMethod == 0) s.HcpMethod = stored(HandicapMethod::Standard);
    if (s.RoundsOption == 0) s.RoundsOption = stored(RoundsSelection::StandardSchedule);
    if (s.StrokesAbovePar == 0) s.StrokesAbovePar = 4;
    if (s.MaxStrokesPerHole == 0) s.MaxStrokesPerHole = 10;
    if (s.PercentRounds == 0) s.PercentRounds = 50;
    if (s.StrokeOption == 0) s.StrokeOption = stored(StrokeControl::None);
    if (s.WomensHcpMax == 0) s.WomensHcpMax = 40;
    if (s.MensHcpMax == 0) s.MensHcpMax = 35;
    if (s.HcpLimitOption == 0) s.HcpLimitOption = stored(HandicapLimit::None);
}

fs::path GetSettingsDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return fs::path(xdg) / "tallyrock";
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / ".config" / "tallyrock";
    return {};
}

namespace {
// The settings file is 13 numbers, the league list 15 names and 6 values: a
// few hundred bytes; files far larger are not read.
constexpr std::uintmax_t MaxSettingsFileBytes = 64u << 10;
constexpr std::uintmax_t MaxLeagueListBytes = 1u << 20;
} // namespace

fs::path settingsFolder(const Store& store) {
    return store.settingsDir.empty() ? store.workDir : store.settingsDir;
}

void LoadSettings(Store& store) {
    Settings& s = store.settings;
    fs::path path = resolveFile(settingsFolder(store), SettingsFileName);
    store.SettingsPath = path.string();
    auto in = LineReader::open(path, MaxSettingsFileBytes);
    noteRead(store, path, in);
    bool ok = in && in->integer(s.HcpMethod) && in->integer(s.RoundsOption) && in->integer(s.RoundsToUse) &&
              in->integer(s.PercentRounds) && in->number(s.MensHcpMax) && in->number(s.WomensHcpMax) &&
              in->integer(s.StrokesAbovePar) && in->integer(s.MaxStrokesPerHole) &&
              in->integer(s.StrokeOption) && in->number(s.Reserved) && in->number(s.CardHOffset) &&
              in->number(s.CardWDOffset) && in->number(s.CardScaling);
    if (!ok) {
        s.Reserved = 0;
        s.StrokeOption = 0;
        s.CardHOffset = 0;
        s.CardWDOffset = 0;
        s.CardScaling = 1;
    }
    LoadWhsSettings(store);
}

std::string settingsFileText(const Settings& s) {
    std::string out;
    for (const std::string& v :
         {fileNumber(int{s.HcpMethod}), fileNumber(int{s.RoundsOption}), fileNumber(int{s.RoundsToUse}),
          fileNumber(int{s.PercentRounds}), fileNumber(s.MensHcpMax), fileNumber(s.WomensHcpMax),
          fileNumber(int{s.StrokesAbovePar}), fileNumber(int{s.MaxStrokesPerHole}),
          fileNumber(int{s.StrokeOption}), fileNumber(s.Reserved), fileNumber(s.CardHOffset),
          fileNumber(s.CardWDOffset), fileNumber(s.CardScaling)})
        out += v + "\r\n";
    return out;
}

bool SaveSettings(Store& store) {
    fs::path folder = settingsFolder(store);
    std::error_code ec;
    if (!folder.empty()) fs::create_directories(folder, ec);
    fs::path path = resolveFile(folder, SettingsFileName);
    store.SettingsPath = path.string();
    ChangeSet change(store);
    return store.writer->writeFile(path, settingsFileText(store.settings)) && !change.commit();
}

Failure LoadLeagueList(Store& store, bool* missing) {
    Settings& s = store.settings;
    fs::path path = resolveFile(store.workDir, LeagueListFileName);
    auto in = LineReader::open(path, MaxLeagueListBytes);
    noteRead(store, path, in);
    if (missing) *missing = !in.has_value() && !fs::exists(path);
    if (!in) return leagueListLoadFailure();
    int16_t count = 0;
    if (!in->integerIn(count, 0, MaxLeagues)) return leagueListLoadFailure();
    s.LeagueCount = count;
    for (int i = 1; i <= count; ++i)
        if (!in->line(s.LeagueList[i])) return leagueListLoadFailure();
    for (int i = count + 1; i <= MaxLeagues; ++i)
        s.LeagueList[i].clear();
    bool ok = in->number(s.IndexFactor) && in->delimitedField(s.FontName) && in->integer(s.NineHoleOption) &&
              in->integer(s.CurrentLeague) && in->integer(s.HcpLimitOption) && in->integer(s.DateRemind);
    if (!ok) return leagueListLoadFailure();
    return std::nullopt;
}

void ApplyLeagueListDefaults(Store& store, bool listRead) {
    Settings& s = store.settings;
    SetDefaults(s);
    if (!listRead) return;
    if (s.IndexFactor < 0.5f) s.IndexFactor = 0.96f;
    if (s.FontName.empty()) s.FontName = "Courier New";
}

namespace {
bool controlCharacter(char c) {
    return static_cast<unsigned char>(c) < 32 || c == 127;
}
bool blank(char c) {
    return c == ' ' || c == '\t';
}
bool needsQuotes(const std::string& name) {
    return !name.empty() && (name.find(',') != std::string::npos || blank(name.front()) ||
                             blank(name.back()) || name.front() == '"');
}
} // namespace

std::string fontNameLine(const std::string& name) {
    std::string kept;
    for (char c : name)
        if (!controlCharacter(c)) kept += c;
    return needsQuotes(kept) ? "\"" + kept + "\"" : kept;
}

bool fontNameStorable(const std::string& name) {
    for (char c : name)
        if (controlCharacter(c)) return false;
    return !needsQuotes(name) || name.find('"') == std::string::npos;
}

std::string leagueListText(const Settings& s) {
    std::string out = fileNumber(int{s.LeagueCount}) + "\r\n";
    for (int i = 1; i <= s.LeagueCount && i <= MaxLeagues; ++i)
        out += s.LeagueList[i] + "\r\n";
    out += fileNumber(s.IndexFactor) + "\r\n";
    out += fontNameLine(s.FontName) + "\r\n";
    for (int v : {int{s.NineHoleOption}, int{s.CurrentLeague}, int{s.HcpLimitOption}, int{s.DateRemind}})
        out += fileNumber(v) + "\r\n";
    return out;
}

Failure SaveLeagueList(Store& store) {
    ChangeSet change(store);
    if (!store.writer->writeFile(resolveFile(store.workDir, LeagueListFileName),
                                 leagueListText(store.settings)))
        return leagueListSaveFailure();
    return change.commit();
}

} // namespace tallyrock
