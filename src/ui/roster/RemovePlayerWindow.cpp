#include "RemovePlayerWindow.h"

#include "roster/RosterChanges.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

// The close button and the window's own close both write the files; the team
// point file always, so it follows the closed gap.
RemovePlayerWindow::RemovePlayerWindow(Store& store, UiServices& services, QWidget* parent)
    : PlayerListWindow(store, services, TeamFileSave::Always, parent) {
    setObjectName("RMplayer");
    setWindowTitle("Remove Player");

    auto* removebutton = new QPushButton("Remove Player", this);
    removebutton->setObjectName("removebutton");
    QPushButton* exitbutton = exitButton("Close the Remove Player window");
    auto* infobutton = new QPushButton("&Help", this);
    infobutton->setObjectName("infobutton");
    infobutton->setToolTip("Help on removing players");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removebutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(exitbutton);
    m_column->addLayout(buttons);

    connect(removebutton, &QPushButton::clicked, this, &RemovePlayerWindow::removebutton_Click);
    connect(m_List1, &QListWidget::itemDoubleClicked, this, &RemovePlayerWindow::removebutton_Click);
    connect(infobutton, &QPushButton::clicked, this, &RemovePlayerWindow::helpRequested);

    adjustSize();
    centreBelowMiddle(*this, 90);
}

void RemovePlayerWindow::removebutton_Click() {
    const QList<QListWidgetItem*> selected = m_List1->selectedItems();
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
    m_List1->clearSelection();
}

} // namespace tallyrock
