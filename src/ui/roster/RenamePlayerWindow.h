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
    void copySelectedName();
    void renameSelectedPlayer();

    QLineEdit* m_newNameText = nullptr;
};

} // namespace tallyrock
