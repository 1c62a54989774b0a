#include "PrinterFont.h"

#include "store/SettingsFile.h"

namespace tallyrock {

std::string openPrinterFont(Settings& settings) {
    std::string caption = settings.FontName;
    if (settings.FontName.empty()) settings.FontName = DefaultFontName;
    return caption;
}

Failure acceptPrinterFont(Store& store, const std::string& caption) {
    store.settings.FontName = caption.empty() ? DefaultFontName : caption;
    return SaveLeagueList(store);
}

} // namespace tallyrock
