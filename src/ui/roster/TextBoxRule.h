#pragma once
// Holds a text box to a rule of the core (which characters it takes, how many,
// what a character becomes), for typed and pasted text alike.

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace tallyrock {

using TextRule = std::function<std::string(std::string_view)>;

// The box drops line breaks and other control characters, whether typed or
// pasted (keepSafeCharacters of the core): every box whose text goes into a
// data file has this.
void keepTextSafe(QLineEdit* box);

// keepTextSafe, and after every edit by the user the box holds what the rule
// makes of its text; the caret stays after the same characters.
void applyTextRule(QLineEdit* box, TextRule rule);

} // namespace tallyrock
