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
    void showMembers();
    void listEntries();
    void showTotal();
    void offerPendingPoints();
    void addEntry();
    void removeSelectedEntries();
    void startCommentWithDate(bool checked);
    // Moves to the next team, or to the one before it, and shows it.
    void stepTeam(bool forward);

    QLabel* m_teamNameLabel = nullptr;
    QLabel* m_recordNumberLabel = nullptr;
    QLineEdit* m_memberText = nullptr;
    QListWidget* m_entryList = nullptr;
    // The entry being typed: its comment and its points, as kept by hand or as to be added.
    struct TypedEntry {
        QLineEdit* comment = nullptr;
        QLineEdit* manual = nullptr;
        QLineEdit* calculated = nullptr;
    } m_typed;
    QLabel* m_totalLabel = nullptr;
    QLineEdit* m_dateText = nullptr;
    QCheckBox* m_dateCheck = nullptr;
};

} // namespace tallyrock
