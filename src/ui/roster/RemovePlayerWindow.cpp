#include "RemovePlayerWindow.h"

#include "roster/RosterChanges.h"
#include "services/QtText.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

// The close button and the window's own close both write the files; the team
// point file always, so it follows the closed gap.
RemovePlayerWindow::RemovePlayerWindow(Store& store, UiServices& services, QWidget* parent)
    : PlayerListWindow(store, services, TeamFileSave::Always, parent, "RMplayer", "Remove Player") {
    QPushButton* removebutton =
        actionButton("Remove Player", "removebutton", &RemovePlayerWindow::removeSelectedPlayer);
    QPushButton* exitbutton = exitButton("Close the Remove Player window");
    QPushButton* infobutton = helpButton("&Help", "infobutton", "Help on removing players");
    m_column->addLayout(rowOf({removebutton, nullptr, infobutton, exitbutton}));
    connect(m_playerList, &QListWidget::itemDoubleClicked, this, &RemovePlayerWindow::removeSelectedPlayer);

    placeBelowMiddle();
}

void RemovePlayerWindow::removeSelectedPlayer() {
    const QList<QListWidgetItem*> selected = m_playerList->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs.beep();
        return;
    }
    std::string name = str(selected.front()->text());
    if (m_services.dialogs.messageBox(removePlayerQuestion(name), Buttons::YesNo, Answer::No) ==
        Answer::Yes) {
        removePlayer(m_store, findPlayer(m_store.league, name));
        delete selected.front(); // the line leaves the list
    }
    m_playerList->clearSelection();
}

} // namespace tallyrock
