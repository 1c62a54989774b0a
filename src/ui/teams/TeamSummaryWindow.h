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
    void printSummary();
    void setUpPrinter();

    QCheckBox* m_namesCheck = nullptr;
    QRadioButton* m_lastOnlyOption = nullptr;
};

} // namespace tallyrock
