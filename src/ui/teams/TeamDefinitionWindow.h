#pragma once
// Team Set-up (createteamsform): creates, names and removes teams and moves
// players between the unassigned list and the current team's roster. The team
// point file is written when the window closes.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tallyrock {

class TeamDefinitionWindow : public QWidget {
    Q_OBJECT
  public:
    TeamDefinitionWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The window has saved the teams and closed: the main window enables itself again.
    void closed();
    // The information button: the help window at the team records topic.
    void helpRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddNamestoList();
    void teamnametext_Change(const QString& text);
    void addbutton_Click();
    void removebutton_Click();
    void createbutton_Click();
    void deleteteambutton_Click();
    void nextteambutton_Click();
    void prevteambutton_Click();
    void Exitbutton_Click();

    Store& m_store;
    UiServices& m_services;
    bool m_saved = false;

    QListWidget* m_List1 = nullptr;
    QListWidget* m_List2 = nullptr;
    QLineEdit* m_teamnametext = nullptr;
    QLabel* m_recordnumberlabel = nullptr;
    QLabel* m_startlabel = nullptr;
    QPushButton* m_createbutton = nullptr;
};

} // namespace tallyrock
