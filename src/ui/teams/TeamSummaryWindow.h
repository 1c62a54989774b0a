#pragma once
// Team Report Printing Options (PrintTeamform): prints the summary of all
// teams, with or without the member names, with every entry or only the last.
// It changes no data.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace tallyrock {

class TeamSummaryWindow : public QWidget {
    Q_OBJECT
  public:
    TeamSummaryWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The window has closed: the main window enables itself again.
    void closed();
    // The information button: the help window at the team records topic.
    void helpRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Printbutton_Click();
    void Printsetupbutton_Click();
    void Donebutton_Click();

    Store& m_store;
    UiServices& m_services;
    bool m_closed = false;

    QCheckBox* m_Namescheck = nullptr;
    QRadioButton* m_Option1_1 = nullptr;
};

} // namespace tallyrock
