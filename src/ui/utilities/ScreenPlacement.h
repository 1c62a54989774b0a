#pragma once
// Where the utility windows open: centred on the screen, a little below the
// middle, as all of the program's windows do.

class QWidget;

namespace tallyrock {

// Twips (1/1440 inch) in pixels of the primary screen.
int twipsToPixels(int twips);
// Centres the window on the primary screen, `twipsBelow` below the middle.
void centreBelowMiddle(QWidget& window, int twipsBelow);

} // namespace tallyrock
