#pragma once
// The player chooser of the individual player view (chooseplayer, "Select
// Player"): the player chosen becomes CurrentPlayer and the main window shows
// that player's rounds.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QListWidget;

namespace tallyrock {

class PlayerChooserWindow : public QWidget {
    Q_OBJECT
  public:
    PlayerChooserWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // CurrentPlayer is set: the main window starts its Timer1.
    void accepted();
    // Left without a player: the main window ticks its first view.
    void exited();
    void closed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void acceptbutton_Click();
    void exitbutton_Click();

    Store& m_store;
    UiServices& m_services;
    bool m_accepted = false;
    bool m_closed = false;
    QListWidget* m_List1 = nullptr;
};

} // namespace tallyrock
