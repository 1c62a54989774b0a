#pragma once
// The handicap rules window's values and its accept with the silent corrections.

#include "store/Message.h"
#include "store/Store.h"

#include <string>
#include <vector>

namespace tallyrock {

// What the rules window shows: the option indexes and the texts of its boxes.
struct RulesForm {
    int method = 1, roundsOption = 1, limitOption = 1, strokeOption = 1;
    int nineHole = 0; // 0: none selected
    std::string percentText, roundsText, mensText, womensText, aboveParText, maxStrokeText, factorText;
    bool dateRemind = false;
    // The World Handicap System: allowance in percent, expected nine-hole differential factor and base.
    std::string allowanceText, nineFactorText, nineBaseText;
};

// The window's opening: the current settings as its controls show them.
RulesForm rulesFormValues(const Settings& s);

// Stores the form into the settings with the silent corrections.
void applyRules(Settings& s, const RulesForm& form);

// What the World Handicap System options of the form enable: the allowance and
// the expected nine-hole numbers under it; stroke control, the multiplier, the
// rounds used and the nine-hole processing under the other methods.
bool whsChosen(const RulesForm& form);

// Accept: apply, then write the league list file and the settings file (and
// whs.ini beside it when the World Handicap System is chosen or was before).
// Returns the league list's write failure, if any (the settings file is silent).
Failure acceptRules(Store& store, const RulesForm& form);

// The casual method's description box.
Message casualDescription();

} // namespace tallyrock
