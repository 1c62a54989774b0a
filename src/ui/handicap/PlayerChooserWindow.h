#pragma once
// The player chooser of the individual player view (chooseplayer, "Select
// Player"): the player chosen becomes CurrentPlayer and the main window shows
// that player's rounds.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QListWidget;

namespace tallyrock {

class PlayerChooserWindow : public ToolWindow {
    Q_OBJECT
  public:
    PlayerChooserWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // CurrentPlayer is set: the main window starts its Timer1.
    void accepted();
    // Left without a player: the main window ticks its first view.
    void exited();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void onClosing() override;

  private:
    void acceptbutton_Click();
    void exitbutton_Click();

    bool m_accepted = false;
    QListWidget* m_List1 = nullptr;
};

} // namespace tallyrock
