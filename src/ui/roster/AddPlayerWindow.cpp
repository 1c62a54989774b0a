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
    m_Text1 = namedEdit("Text1", this);
    m_Text1->setMaxLength(PlayerNameMaxChars);
    m_Text1->setMinimumWidth(m_Text1->fontMetrics().horizontalAdvance(QString(20, 'n')));
    applyTextRule(m_Text1, playerNameBoxText);

    auto* teeFrame = new QGroupBox("Default Tee", this);
    auto* teeRow = new QHBoxLayout(teeFrame);
    const char* const tees[] = {"Red", "White", "Blue"};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(tees[i], teeFrame);
        option->setObjectName(QString("Option3D1_%1").arg(i));
        teeRow->addWidget(option);
        m_Option3D1[i] = option;
    }
    m_Option3D1[1]->setChecked(true);

    m_playernumlabel = sunkenPanel("playernumlabel", this);
    QPushButton* Addbutton = actionButton("Add Player", "Addbutton", &AddPlayerWindow::Addbutton_Click,
                                          "Click or press Enter to Add Player name");
    QPushButton* exitbutton = closeButton("Cl&ose", "exitbutton", "Close player window");
    QPushButton* infobutton = helpButton("&Help", "infobutton", "Information on adding players");

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Player Name", this));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_Text1, 1);
    nameRow->addWidget(Addbutton);
    column->addLayout(nameRow);
    column->addWidget(teeFrame);
    column->addWidget(m_playernumlabel);
    column->addLayout(rowOf({infobutton, nullptr, exitbutton}));

    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);

    // Load
    setWindowTitle(qs(addPlayersTitle(m_store)));
    m_playernumlabel->setText(qs(memberCountText(m_store.league.PlayerCount)));
    openAddPlayers(m_store);

    placeBelowMiddle();
    m_Text1->setFocus();
}

// Enter with a name adds it; Enter never reaches a control.
bool AddPlayerWindow::Form_KeyPress(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    if (!m_Text1->text().isEmpty()) Addbutton_Click();
    return true;
}

bool AddPlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Form_KeyPress(static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

void AddPlayerWindow::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyPress(event)) QWidget::keyPressEvent(event);
}

void AddPlayerWindow::Addbutton_Click() {
    int tee = 1;
    for (int i = 0; i < 3; ++i)
        if (m_Option3D1[i]->isChecked()) tee = i + 1;
    const std::string name = str(m_Text1->text());
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
        m_playernumlabel->setText(qs(memberCountText(m_store.league.PlayerCount)));
        break;
    }
    m_Text1->clear();
    m_Text1->setFocus();
}

// The close button and the window's own close both write the files.
void AddPlayerWindow::onClosing() {
    saveRosterFilesShowing(m_store, m_services, TeamFileSave::WhileTeamsInUse);
}

} // namespace tallyrock
