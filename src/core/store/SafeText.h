#pragma once
// Text typed by the user that goes into a data file. The files hold one value
// per line, so a line break in a name would shift every later value; a name
// also never holds another control character or bytes that are not UTF-8.
// Names are compared as Unicode says caseless matching is done, not only for
// the letters A-Z.

#include "Message.h"

#include <string>
#include <string_view>

namespace tallyrock {

// True for valid UTF-8 without control characters (codes 0-31 and 127).
bool isSafeText(std::string_view text);

// True for a text that is not empty and holds nothing but blanks (white space
// of any kind, and characters that show as nothing).
bool isBlank(std::string_view text);

// The refusal of a text no file may hold, naming the fault: "A player name
// cannot contain a line break." `what` starts the sentence. Nothing when the
// text is safe.
Failure checkText(std::string_view text, const std::string& what);
// checkText, and a name made only of blanks is refused as well.
Failure checkName(std::string_view text, const std::string& what);

// The text without its control characters and bytes that are not UTF-8: what
// a text box keeps of pasted text.
std::string keepSafeCharacters(std::string_view text);

// The text case-folded in full (ICU) after canonical decomposition, so that
// "JOHN NÚÑEZ" and "John Núñez" give the same text. Bytes that are not valid
// UTF-8 pass unchanged.
std::string foldCase(std::string_view text);
// Two names are the same name when their folded texts are equal.
bool sameName(std::string_view a, std::string_view b);

} // namespace tallyrock
