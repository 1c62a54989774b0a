#pragma once
// The tool bar's icons, drawn here: a folder with a flag (Load League), a
// score card and pencil (Enter Rounds), a golfer with a plus (Add a New
// Player), a green with a flag and a plus (Add a New Course), a question mark
// (Help and Instructions) and a balance (Handicapping Method).

#include <QIcon>

namespace tallyrock {

QIcon toolIcon(int button);

} // namespace tallyrock
