#include "PlayerChooserWindow.h"

#include "ChooserParts.h"
#include "charts/ChartChooser.h"
#include "handicap/Choosers.h"
#include "services/QtText.h"

#include <QListWidget>
#include <QPushButton>

namespace tallyrock {

PlayerChooserWindow::PlayerChooserWindow(Store& store, UiServices& services, QWidget* parent)
    : ChooserWindow(store, services, parent, "chooseplayer") {
    auto* Playerlabel = new QPushButton(qs(chooserCaption(m_store)), this);
    Playerlabel->setObjectName("Playerlabel");
    Playerlabel->setFlat(true);
    Playerlabel->setFocusPolicy(Qt::NoFocus);
    Playerlabel->setStyleSheet("QPushButton { border: 1px inset gray; padding: 4px; font-weight: bold; }");
    buildChooserWindow(Playerlabel, "Close player list");
    connect(Playerlabel, &QPushButton::clicked, m_choiceList, &QListWidget::clearSelection);
    showPlayers();
}

void PlayerChooserWindow::acceptChoice() {
    QListWidgetItem* chosen = chosenEntry(m_choiceList, m_services.dialogs);
    if (!chosen) return;
    chooseViewPlayer(m_store, str(chosen->text()));
    m_choiceList->clearSelection();
    m_accepted = true;
    emit accepted();
    close();
}

void PlayerChooserWindow::onClosing() {
    if (!m_accepted) {
        m_choiceList->clearSelection();
        emit exited();
    }
}

} // namespace tallyrock
