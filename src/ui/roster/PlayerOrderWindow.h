#pragma once
// Player order (sortform): moves one player, with the whole record, to another
// position of the list; the players in between shift by one place. The files
// are written when the window closes.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallyrock {

class PlayerOrderWindow : public ToolWindow {
    Q_OBJECT
  public:
    PlayerOrderWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  protected:
    void onClosing() override;

  private:
    void buildList();
    void selectPlayer(int row);
    void takePosition();
    void stepPosition(bool down);
    void movePlayerToPosition();

    int m_fromPosition = 0;
    int m_toPosition = 0;

    QListWidget* m_orderList = nullptr;
    QLabel* m_movingPlayerLabel = nullptr;
    QLineEdit* m_positionText = nullptr;
    QPushButton* m_changeButton = nullptr;
};

} // namespace tallyrock
