#include "PrinterFont.h"

#include "store/ChangeSet.h"
#include "store/SettingsFile.h"

namespace tallyrock {

std::string openPrinterFont(Settings& settings) {
    std::string caption = settings.FontName;
    if (settings.FontName.empty()) settings.FontName = DefaultFontName;
    return caption;
}

Message unstorableFontName(const std::string& current) {
    return {FontWindowTitle,
            joinLines({"The name of this font cannot be saved in vexa.dat.",
                       "The printer font stays " + current + "."}),
            Icon::Exclamation};
}

Failure acceptPrinterFont(Store& store, const std::string& caption) {
    std::string name = caption.empty() ? DefaultFontName : caption;
    if (!fontNameStorable(name)) return unstorableFontName(store.settings.FontName);
    store.settings.FontName = name;
    ChangeSet change(store, "Change Printer Font");
    if (Failure failure = SaveLeagueList(store)) return failure;
    return change.commit();
}

} // namespace tallyrock
