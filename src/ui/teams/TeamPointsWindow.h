#pragma once
// Team points entry (teamdataform): adds and removes the point entries of each
// team and shows the running total. The team point file is written when the
// window closes.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tallyrock {

class TeamPointsWindow : public ToolWindow {
    Q_OBJECT
  public:
    TeamPointsWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  protected:
    void onClosing() override;

  private:
    void showmembers();
    void listinfo();
    void countpoints();
    void checkfornewinfo();
    void Addbutton_Click();
    void Removebutton_Click();
    void DateCheck_Click(bool checked);
    // Moves to the next team, or to the one before it, and shows it.
    void stepTeam(bool forward);

    QLabel* m_TeamNameLabel = nullptr;
    QLabel* m_RecordNumberLabel = nullptr;
    QLineEdit* m_Membertext = nullptr;
    QListWidget* m_List1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QLineEdit* m_ManualText = nullptr;
    QLineEdit* m_Calculatedtext = nullptr;
    QLabel* m_TotalLabel = nullptr;
    QLineEdit* m_DateText = nullptr;
    QCheckBox* m_DateCheck = nullptr;
};

} // namespace tallyrock
