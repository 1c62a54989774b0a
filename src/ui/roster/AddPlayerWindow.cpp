#include "AddPlayerWindow.h"

#include "RosterWindowParts.h"
#include "TextBoxRule.h"
#include "roster/PlayerOps.h"
#include "services/QtText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyrock {

AddPlayerWindow::AddPlayerWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "playform", "Add Players to League") {
    m_nameText = namedEdit("Text1", this);
    m_nameText->setMaxLength(PlayerNameMaxChars);
    m_nameText->setMinimumWidth(m_nameText->fontMetrics().horizontalAdvance(QString(20, 'n')));
    applyTextRule(m_nameText, playerNameBoxText);

    auto* teeFrame = new QGroupBox("Default Tee", this);
    auto* teeRow = new QHBoxLayout(teeFrame);
    const char* const tees[] = {"Red", "White", "Blue"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(tees[i], teeFrame);
        option->setObjectName(QString("Option3D1_%1").arg(i));
        teeRow->addWidget(option);
        m_teeOption[i] = option;
    }
    m_teeOption[1]->setChecked(true);

    m_memberCountLabel = sunkenPanel("playernumlabel", this);
    QPushButton* addButton = actionButton("Add Player", "Addbutton", &AddPlayerWindow::addTypedPlayer,
                                          "Click or press Enter to Add Player name");
    QPushButton* exitbutton = closeButton("Cl&ose", "exitbutton", "Close player window");
    QPushButton* infobutton = helpButton("&Help", "infobutton", "Information on adding players");

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Player Name", this));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_nameText, 1);
    nameRow->addWidget(addButton);
    column->addLayout(nameRow);
    column->addWidget(teeFrame);
    column->addWidget(m_memberCountLabel);
    column->addLayout(rowOf({infobutton, nullptr, exitbutton}));

    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);

    // Load
    setWindowTitle(qs(addPlayersTitle(m_store)));
    m_memberCountLabel->setText(qs(memberCountText(m_store.league.PlayerCount)));
    openAddPlayers(m_store);

    placeBelowMiddle();
    m_nameText->setFocus();
}

// Enter with a name adds it; Enter never reaches a control.
bool AddPlayerWindow::addOnEnter(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    if (!m_nameText->text().isEmpty()) addTypedPlayer();
    return true;
}

bool AddPlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && addOnEnter(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void AddPlayerWindow::keyPressEvent(QKeyEvent* event) {
    if (!addOnEnter(event)) QWidget::keyPressEvent(event);
}

void AddPlayerWindow::addTypedPlayer() {
    int tee = 1;
    for (int i = 0; i < 3; ++i)
        if (m_teeOption[i]->isChecked()) tee = i + 1;
    const std::string name = str(m_nameText->text());
    switch (addPlayer(m_store, name, tee)) {
    case AddPlayerResult::Refused:
        m_services.dialogs.messageBox(*checkPlayerName(name));
        break;
    case AddPlayerResult::TooShort:
    case AddPlayerResult::RosterFull:
        m_services.dialogs.beep();
        return;
    case AddPlayerResult::Duplicate:
        m_services.dialogs.messageBox(duplicatePlayerName());
        break;
    case AddPlayerResult::Added:
        m_memberCountLabel->setText(qs(memberCountText(m_store.league.PlayerCount)));
        break;
    }
    m_nameText->clear();
    m_nameText->setFocus();
}

// The close button and the window's own close both write the files.
void AddPlayerWindow::onClosing() {
    saveRosterFilesShowing(m_store, m_services, TeamFileSave::WhileTeamsInUse);
}

} // namespace tallyrock
