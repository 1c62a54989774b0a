#include "CliContext.h"

#include "roster/LeagueOps.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <regex>

namespace tallyrock::cli {
namespace fs = std::filesystem;

void refuse(const Message& message) {
    throw Refused{message.text};
}
void refuse(const std::string& text) {
    throw Refused{text};
}

void CliContext::check(const Failure& failure) {
    if (failure) refuse(*failure);
}

CliContext::CliContext() {
    // A working folder deleted under the tool has no path: start() refuses.
    std::error_code ec;
    store.programName = "tallyrock-cli";
    store.workDir = fs::current_path(ec);
    store.settingsDir = GetSettingsDir();
    today = SystemClock().today();
}

void CliContext::start() {
    if (store.workDir.empty()) refuse("the working folder cannot be found: it may have been deleted");
    std::string holder;
    auto lock = FileLock::acquire(folderLockPath(store.workDir), holderName(store.programName),
                                  store.lockWait, &holder);
    if (!lock) refuse(folderBusy(holder));
    store.folderLock = std::make_shared<FileLock>(std::move(*lock));
    tidyDataFolder(store);
    m_change = std::make_unique<ChangeSet>(store);
    FillMonthNames(store);
    LoadSettings(store);
    bool missing = false;
    Failure failure = LoadLeagueList(store, &missing);
    if (failure && !missing) refuse(*failure);
    ApplyLeagueListDefaults(store, !failure);
}

Failure CliContext::finish() {
    if (!m_change) return std::nullopt;
    Failure failure = m_change->commit();
    m_change.reset();
    return failure;
}

void CliContext::loadCourses() {
    if (!fileExists(store.workDir, CourseFileName)) return; // no courses yet
    check(LoadCourseFile(store));
}

void CliContext::openLeague(const std::string& name) {
    int k = findLeague(store.settings, name);
    if (k == 0) refuse(Message{"Tallyrock", "That name is not on the active list.", Icon::Exclamation});
    store.league.LeagueFilePath = store.settings.LeagueList[k] + ".LGE";
    check(LoadLeagueFile(store));
    loadCourses();
    ReloadTeams(store);
}

bool parseDashedDate(const std::string& text, Date& out) {
    static const std::regex pattern(R"((\d{1,2})-(\d{1,2})-(\d{4}))");
    std::smatch m;
    if (!std::regex_match(text, m, pattern)) return false;
    Date d{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31) return false;
    out = d;
    return true;
}

} // namespace tallyrock::cli
