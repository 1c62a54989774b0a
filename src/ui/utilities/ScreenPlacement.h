#pragma once
// Where the windows open: centred on the screen, a little below the middle,
// as all of the program's windows do; the help window beside the one it explains.

class QWidget;

namespace tallyrock {

// Twips (1/1440 inch) in pixels of the primary screen.
int twipsToPixels(int twips);
// Centres the window on the primary screen, `twipsBelow` below the middle.
void centreBelowMiddle(QWidget& window, int twipsBelow);
// Moves the window beside `other`, level with its top: to the right where it
// fits, else to the left; where neither side has room, it narrows to the wider
// side (not below a readable width) or, failing that, covers as little as it can.
void placeBeside(QWidget& window, const QWidget& other);

} // namespace tallyrock
