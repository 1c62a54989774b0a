#pragma once
// The player chooser of the individual player view (chooseplayer, "Select
// Player"): the player chosen becomes CurrentPlayer and the main window shows
// that player's rounds.

#include "ChooserParts.h"
#include "store/Store.h"

#include <QWidget>

namespace tallyrock {

class PlayerChooserWindow : public ChooserWindow {
    Q_OBJECT
  public:
    PlayerChooserWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // CurrentPlayer is set: the main window starts its player-view timer.
    void accepted();
    // Left without a player: the main window ticks its first view.
    void exited();

  protected:
    void onClosing() override;

  private:
    void acceptChoice() override;

    bool m_accepted = false;
};

} // namespace tallyrock
