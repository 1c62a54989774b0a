#pragma once
// Removing players (RMplayer): the selected player goes with all of his or her
// rounds, and every later player moves up one slot. The files are written when
// the window closes.

#include "RosterWindowParts.h"

namespace tallyrock {

class RemovePlayerWindow : public PlayerListWindow {
    Q_OBJECT
  public:
    RemovePlayerWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    void removeSelectedPlayer();
};

} // namespace tallyrock
