#pragma once
// Renaming players (Playernm): the selected player takes the typed name. The
// league file is written when the window closes.

#include "RosterWindowParts.h"

class QLineEdit;

namespace tallyrock {

class RenamePlayerWindow : public PlayerListWindow {
    Q_OBJECT
  public:
    RenamePlayerWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    void List1_Click();
    void renamebutton_Click();

    QLineEdit* m_Text1 = nullptr;
};

} // namespace tallyrock
