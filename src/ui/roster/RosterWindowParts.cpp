#include "RosterWindowParts.h"

#include "roster/RosterChanges.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

QLabel* sunkenPanel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(44);
    return label;
}

void fillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines)
        list->addItem(qs(line));
}

std::string selectedLine(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? std::string() : str(selected.front()->text());
}

void saveRosterFilesShowing(Store& store, UiServices& services, TeamFileSave teamFile) {
    std::vector<Message> failures =
        whileBusy(services.dialogs, [&] { return saveRosterFiles(store, teamFile); });
    for (const Message& failure : failures)
        services.dialogs.messageBox(failure);
}

PlayerListWindow::PlayerListWindow(Store& store, UiServices& services, TeamFileSave teamFile, QWidget* parent,
                                   const QString& objectName, const QString& title)
    : ToolWindow(store, services, parent, objectName, title), m_teamFile(teamFile) {
    m_playerLabel = sunkenPanel("Playerlabel", this);
    m_playerLabel->installEventFilter(this);
    m_playerList = new QListWidget(this);
    m_playerList->setObjectName("List1");
    m_playerList->setMinimumSize(300, 240);
    m_column = new QVBoxLayout(this);
    m_column->addWidget(m_playerLabel);
    m_column->addWidget(m_playerList, 1);

    m_playerLabel->setText(qs(playerListCaption(m_store)));
    fillList(m_playerList, rosterNames(m_store.league));
}

QPushButton* PlayerListWindow::exitButton(const QString& toolTip) {
    return closeButton("Cl&ose", "exitbutton", toolTip);
}

bool PlayerListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_playerLabel && event->type() == QEvent::MouseButtonPress) m_playerList->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void PlayerListWindow::mousePressEvent(QMouseEvent* event) {
    m_playerList->clearSelection();
    QWidget::mousePressEvent(event);
}

void PlayerListWindow::onClosing() {
    m_playerList->clearSelection();
    saveRosterFilesShowing(m_store, m_services, m_teamFile);
}

} // namespace tallyrock
