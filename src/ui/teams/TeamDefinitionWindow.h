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
    void showTeam();
    void renameTeam(const QString& text);
    void addToTeam();
    void takeOutOfTeam();
    void createNextTeam();
    void deleteTeam();
    // Moves to the next team, or to the one before it, and shows it.
    void stepTeam(bool forward);

    QListWidget* m_unassignedList = nullptr;
    QListWidget* m_memberList = nullptr;
    QLineEdit* m_teamNameText = nullptr;
    QLabel* m_recordNumberLabel = nullptr;
    QLabel* m_startLabel = nullptr;
    QPushButton* m_createButton = nullptr;
};

} // namespace tallyrock
