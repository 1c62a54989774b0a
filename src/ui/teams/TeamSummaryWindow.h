#pragma once
// Team Report Printing Options (PrintTeamform): prints the summary of all
// teams, with or without the member names, with every entry or only the last.
// It changes no data.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace tallyrock {

class TeamSummaryWindow : public ToolWindow {
    Q_OBJECT
  public:
    TeamSummaryWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    void Printbutton_Click();
    void Printsetupbutton_Click();

    QCheckBox* m_Namescheck = nullptr;
    QRadioButton* m_Option1_1 = nullptr;
};

} // namespace tallyrock
