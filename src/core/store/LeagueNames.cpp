#include "LeagueNames.h"

#include "FileNames.h"

namespace tallyrock {

std::string leagueName(const Store& store) {
    const std::string& path = store.league.LeagueFilePath;
    std::size_t length = charCount(path);
    return leftChars(path, length >= 4 ? length - 4 : 0);
}

} // namespace tallyrock
