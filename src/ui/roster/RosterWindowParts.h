#pragma once
// Pieces the course, league and player windows share.

#include "roster/PlayerOps.h"
#include "services/ToolWindow.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QString;
class QVBoxLayout;

namespace tallyrock {

// A sunken panel showing a value.
QLabel* sunkenPanel(const QString& name, QWidget* parent);
// Empties the list and fills it with the lines.
void fillList(QListWidget* list, const std::vector<std::string>& lines);
// The selected line of a single-selection list; empty when none is selected.
std::string selectedLine(const QListWidget* list);
// The roster windows' closing writes, with the hourglass; each failure is shown.
void saveRosterFilesShowing(Store& store, UiServices& services, TeamFileSave teamFile);

// The remove and rename windows: the roster's names under the league's caption, the
// selection cleared by a click on the window or on that label, and the roster
// files written once, when the window closes.
class PlayerListWindow : public ToolWindow {
    Q_OBJECT
  protected:
    // Deleted when closed; the label and the filled list start the column.
    PlayerListWindow(Store& store, UiServices& services, TeamFileSave teamFile, QWidget* parent,
                     const QString& objectName, const QString& title);

    // The close button, with its tip.
    QPushButton* exitButton(const QString& toolTip);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void onClosing() override;

    QLabel* m_playerLabel = nullptr;
    QListWidget* m_playerList = nullptr;
    QVBoxLayout* m_column = nullptr;

  private:
    TeamFileSave m_teamFile;
};

} // namespace tallyrock
