#include "BackupSamples.h"

#include "store/SettingsFile.h"

namespace tallyrock::test {
namespace fs = std::filesystem;

FolderFiles folderFiles(const fs::path& folder) {
    FolderFiles files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename().string().rfind(".tallyrock", 0) != 0)
            files[entry.path().filename().string()] = readFile(entry.path());
    return files;
}

BackupSample::BackupSample() {
    store->workDir = m_work.path();
    store->settings.IndexFactor = 0.96f;
    store->settings.FontName = "Courier New";
}

void BackupSample::addLeague(const std::string& name, bool withTeams) {
    Settings& s = store->settings;
    s.LeagueList[static_cast<std::size_t>(++s.LeagueCount)] = name;
    // Bytes that are not text at all must come through unchanged too.
    writeFile(m_work / (name + ".LGE"), crlf({" 1 ", name + " player", std::string("\xff\x00\x7f", 3)}));
    if (withTeams) writeFile(m_work / (name + ".tea"), crlf({" 1 ", name + " team", " 1 "}));
}

void BackupSample::writeCourses(const std::string& content) {
    writeFile(m_work / "Course.DAT", content);
}

void BackupSample::writeLeagueList() {
    writeFile(m_work / "vexa.dat", leagueListText(store->settings));
}

void BackupSample::writeListAndCourses() {
    writeLeagueList();
    writeCourses(crlf({" 1 ", "Pine Hills"}));
}

} // namespace tallyrock::test
