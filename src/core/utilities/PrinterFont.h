#pragma once
// The printer font window's opening and accept.

#include "store/Message.h"
#include "store/Store.h"

#include <string>

namespace tallyrock {

inline constexpr const char* DefaultFontName = "Courier New";
inline constexpr const char* FontWindowTitle = "Tallyrock Settings";
inline constexpr const char* RecommendedFontHint = "Courier New is the recommended Font";
inline constexpr const char* MonospaceHint = "MonoSpaced fonts are required for straight columns.";

// Opening: the caption the window starts with (the stored font, possibly
// empty); an empty stored font then becomes the default.
std::string openPrinterFont(Settings& settings);

// Accept: the caption becomes FontName (the default when empty) and the
// league list file is written. A name the league list cannot keep as it is
// (see fontNameStorable) is refused: FontName stays and nothing is written.
Failure acceptPrinterFont(Store& store, const std::string& caption);

Message unstorableFontName(const std::string& current);

} // namespace tallyrock
