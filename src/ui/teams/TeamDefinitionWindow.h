#pragma once
// Team Set-up (createteamsform): creates, names and removes teams and moves
// players between the unassigned list and the current team's roster. The team
// point file is written when the window closes.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallyrock {

class TeamDefinitionWindow : public ToolWindow {
    Q_OBJECT
  public:
    TeamDefinitionWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  protected:
    void onClosing() override;

  private:
    void AddNamestoList();
    void teamnametext_Change(const QString& text);
    void addbutton_Click();
    void removebutton_Click();
    void createbutton_Click();
    void deleteteambutton_Click();
    // Moves to the next team, or to the one before it, and shows it.
    void stepTeam(bool forward);

    QListWidget* m_List1 = nullptr;
    QListWidget* m_List2 = nullptr;
    QLineEdit* m_teamnametext = nullptr;
    QLabel* m_recordnumberlabel = nullptr;
    QLabel* m_startlabel = nullptr;
    QPushButton* m_createbutton = nullptr;
};

} // namespace tallyrock
