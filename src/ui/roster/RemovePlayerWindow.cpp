#include "RemovePlayerWindow.h"

#include "RosterWindowParts.h"
#include "roster/RosterChanges.h"
#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

RemovePlayerWindow::RemovePlayerWindow(Store& store, UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services) {
    setObjectName("RMplayer");
    setWindowTitle("Remove Player");
    setAttribute(Qt::WA_DeleteOnClose);

    m_Playerlabel = sunkenPanel("Playerlabel", this);
    m_Playerlabel->installEventFilter(this);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setMinimumSize(300, 240);
    auto* removebutton = new QPushButton("Remove Player", this);
    removebutton->setObjectName("removebutton");
    auto* exitbutton = new QPushButton("Cl&ose", this);
    exitbutton->setObjectName("exitbutton");
    exitbutton->setToolTip("Close the Remove Player window");
    auto* infobutton = new QPushButton("&Help", this);
    infobutton->setObjectName("infobutton");
    infobutton->setToolTip("Help on removing players");

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_Playerlabel);
    column->addWidget(m_List1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removebutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(exitbutton);
    column->addLayout(buttons);

    connect(removebutton, &QPushButton::clicked, this, &RemovePlayerWindow::removebutton_Click);
    connect(m_List1, &QListWidget::itemDoubleClicked, this, &RemovePlayerWindow::removebutton_Click);
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);
    connect(infobutton, &QPushButton::clicked, this, &RemovePlayerWindow::helpRequested);

    // Load
    m_Playerlabel->setText(QString::fromStdString(playerListCaption(m_store)));
    fillList(m_List1, rosterNames(m_store.league));

    adjustSize();
    centreBelowMiddle(*this, 90);
}

bool RemovePlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Playerlabel && event->type() == QEvent::MouseButtonPress) m_List1->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void RemovePlayerWindow::mousePressEvent(QMouseEvent* event) {
    m_List1->clearSelection();
    QWidget::mousePressEvent(event);
}

void RemovePlayerWindow::removebutton_Click() {
    const QList<QListWidgetItem*> selected = m_List1->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs.beep();
        return;
    }
    std::string name = selected.front()->text().toStdString();
    if (m_services.dialogs.messageBox(removePlayerQuestion(name), Buttons::YesNo, Answer::No) ==
        Answer::Yes) {
        removePlayer(m_store, findPlayer(m_store.league, name));
        delete selected.front(); // the line leaves the list
    }
    m_List1->clearSelection();
}

// The close button and the window's own close both write the files; the team
// point file always, so it follows the closed gap.
void RemovePlayerWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        m_List1->clearSelection();
        saveRosterFilesShowing(m_store, m_services, TeamFileSave::Always);
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
