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
    m_Playerlabel = sunkenPanel("Playerlabel", this);
    m_Playerlabel->installEventFilter(this);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setMinimumSize(300, 240);
    m_column = new QVBoxLayout(this);
    m_column->addWidget(m_Playerlabel);
    m_column->addWidget(m_List1, 1);

    m_Playerlabel->setText(qs(playerListCaption(m_store)));
    fillList(m_List1, rosterNames(m_store.league));
}

QPushButton* PlayerListWindow::exitButton(const QString& toolTip) {
    return closeButton("Cl&ose", "exitbutton", toolTip);
}

bool PlayerListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Playerlabel && event->type() == QEvent::MouseButtonPress) m_List1->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void PlayerListWindow::mousePressEvent(QMouseEvent* event) {
    m_List1->clearSelection();
    QWidget::mousePressEvent(event);
}

void PlayerListWindow::onClosing() {
    m_List1->clearSelection();
    saveRosterFilesShowing(m_store, m_services, m_teamFile);
}

} // namespace tallyrock
