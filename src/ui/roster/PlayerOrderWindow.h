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
    void List1_Click(int row);
    void Text1_Change();
    void SpinButton1_Spin(bool down);
    void changebutton_Click();

    int m_FromPosition = 0;
    int m_ToPosition = 0;

    QListWidget* m_List1 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QPushButton* m_changebutton = nullptr;
};

} // namespace tallyrock
