#include "RenamePlayerWindow.h"

#include "RosterWindowParts.h"
#include "roster/RosterChanges.h"
#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

RenamePlayerWindow::RenamePlayerWindow(Store& store, UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services) {
    setObjectName("Playernm");
    setWindowTitle("Change Player Name");
    setAttribute(Qt::WA_DeleteOnClose);

    m_Playerlabel = sunkenPanel("Playerlabel", this);
    m_Playerlabel->installEventFilter(this);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setMinimumSize(300, 240);
    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName("Text1");
    m_Text1->setMaxLength(18);
    auto* renamebutton = new QPushButton("Rename", this);
    renamebutton->setObjectName("renamebutton");
    renamebutton->setToolTip("Rename highlighted name");
    auto* exitbutton = new QPushButton("Cl&ose", this);
    exitbutton->setObjectName("exitbutton");
    exitbutton->setToolTip("Close renaming window");

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_Playerlabel);
    column->addWidget(m_List1, 1);
    column->addWidget(new QLabel("New name", this));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_Text1, 1);
    nameRow->addWidget(renamebutton);
    column->addLayout(nameRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exitbutton);
    column->addLayout(buttons);

    connect(m_List1, &QListWidget::itemSelectionChanged, this, &RenamePlayerWindow::List1_Click);
    connect(renamebutton, &QPushButton::clicked, this, &RenamePlayerWindow::renamebutton_Click);
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);

    // Load
    m_Playerlabel->setText(QString::fromStdString(playerListCaption(m_store)));
    fillList(m_List1, rosterNames(m_store.league));

    adjustSize();
    centreBelowMiddle(*this, 90);
}

bool RenamePlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Playerlabel && event->type() == QEvent::MouseButtonPress) m_List1->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void RenamePlayerWindow::mousePressEvent(QMouseEvent* event) {
    m_List1->clearSelection();
    QWidget::mousePressEvent(event);
}

void RenamePlayerWindow::List1_Click() {
    std::string name = selectedLine(m_List1);
    if (!name.empty()) m_Text1->setText(QString::fromStdString(name));
}

void RenamePlayerWindow::renamebutton_Click() {
    std::string selected = selectedLine(m_List1);
    std::string newName = m_Text1->text().toStdString();
    RenameCheck check = checkRename(m_store.league, newName);
    if (selected.empty() || check == RenameCheck::TooShort) {
        m_services.dialogs.beep();
        return;
    }
    if (check == RenameCheck::InUse) {
        m_services.dialogs.messageBox(nameInUse());
        return; // the selection stays for another try
    }
    if (m_services.dialogs.messageBox(renameQuestion(), Buttons::YesNo, Answer::No) == Answer::Yes) {
        renamePlayer(m_store, findPlayer(m_store.league, selected), newName);
        fillList(m_List1, rosterNames(m_store.league));
    }
    m_List1->clearSelection();
}

// The close button and the window's own close both write the league file.
void RenamePlayerWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        m_List1->clearSelection();
        saveRosterFilesShowing(m_store, m_services, TeamFileSave::Never);
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
