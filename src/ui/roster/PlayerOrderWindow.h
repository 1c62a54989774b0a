#pragma once
// Player order (sortform): moves one player, with the whole record, to another
// position of the list; the players in between shift by one place. The files
// are written when the window closes.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallyrock {

class PlayerOrderWindow : public QWidget {
    Q_OBJECT
  public:
    PlayerOrderWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The files are written and the window has closed.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildList();
    void List1_Click(int row);
    void Text1_Change();
    void SpinButton1_Spin(bool down);
    void changebutton_Click();

    Store& m_store;
    UiServices& m_services;
    bool m_closed = false;
    int m_FromPosition = 0;
    int m_ToPosition = 0;

    QListWidget* m_List1 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QPushButton* m_changebutton = nullptr;
};

} // namespace tallyrock
