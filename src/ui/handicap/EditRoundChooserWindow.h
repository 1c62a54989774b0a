#pragma once
// The edit-round chooser (GPlayer, "Select Player"): first a player, then one
// of the player's rounds by date, newest first; the round chosen opens score
// entry to correct or delete it.

#include "ChooserParts.h"
#include "ScoreEntryWindow.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;

namespace tallyrock {

class EditRoundChooserWindow : public ChooserWindow {
    Q_OBJECT
  public:
    EditRoundChooserWindow(Store& store, UiServices& services, ScoreEntryAdopter adopt = {},
                           QWidget* parent = nullptr);

    // The window's tag: "edit" while players are listed, "date" while rounds are.
    QString stage() const { return m_stage; }

  signals:
    // Left without choosing a round: the main window ticks its first view.
    void exited();

  protected:
    void onClosing() override;

  private:
    void acceptChoice() override;

    ScoreEntryAdopter m_adopt;
    QString m_stage = "edit";
    bool m_handedOver = false;
    QLabel* m_message = nullptr;
};

} // namespace tallyrock
