#include "PlayerChooserWindow.h"

#include "ChooserParts.h"
#include "charts/ChartChooser.h"
#include "handicap/Choosers.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QListWidget>
#include <QPushButton>

namespace tallyrock {

PlayerChooserWindow::PlayerChooserWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "chooseplayer") {
    auto* Playerlabel = new QPushButton(qs(chooserCaption(m_store)), this);
    Playerlabel->setObjectName("Playerlabel");
    Playerlabel->setFlat(true);
    Playerlabel->setFocusPolicy(Qt::NoFocus);
    Playerlabel->setStyleSheet("QPushButton { border: 1px inset gray; padding: 4px; font-weight: bold; }");
    ChooserParts parts = buildChooser(*this, Playerlabel, "Close player list");
    m_List1 = parts.list;
    connect(Playerlabel, &QPushButton::clicked, m_List1, &QListWidget::clearSelection);
    connect(parts.accept, &QPushButton::clicked, this, &PlayerChooserWindow::acceptbutton_Click);
    connect(parts.exit, &QPushButton::clicked, this, &PlayerChooserWindow::exitbutton_Click);

    centreBelowMiddle(*this, 90);
    fillChooser(m_List1, chooserNames(m_store.league));
    m_List1->setFocus();
}

void PlayerChooserWindow::mousePressEvent(QMouseEvent* event) {
    m_List1->clearSelection();
    QWidget::mousePressEvent(event);
}

void PlayerChooserWindow::acceptbutton_Click() {
    QList<QListWidgetItem*> selected = m_List1->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs.beep();
        return;
    }
    chooseViewPlayer(m_store, str(selected.front()->text()));
    m_List1->clearSelection();
    m_accepted = true;
    emit accepted();
    close();
}

void PlayerChooserWindow::exitbutton_Click() {
    close();
}

void PlayerChooserWindow::onClosing() {
    if (!m_accepted) {
        m_List1->clearSelection();
        emit exited();
    }
}

} // namespace tallyrock
