#include "RenamePlayerWindow.h"

#include "TextBoxRule.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "services/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

// The close button and the window's own close both write the league file.
RenamePlayerWindow::RenamePlayerWindow(Store& store, UiServices& services, QWidget* parent)
    : PlayerListWindow(store, services, TeamFileSave::Never, parent, "Playernm", "Change Player Name") {
    m_newNameText = namedEdit("Text1", this);
    m_newNameText->setMaxLength(PlayerNameMaxChars);
    keepTextSafe(m_newNameText);
    QPushButton* renamebutton = actionButton(
        "Rename", "renamebutton", &RenamePlayerWindow::renameSelectedPlayer, "Rename highlighted name");
    QPushButton* exitbutton = exitButton("Close renaming window");

    m_column->addWidget(new QLabel("New name", this));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_newNameText, 1);
    nameRow->addWidget(renamebutton);
    m_column->addLayout(nameRow);
    m_column->addLayout(rowOf({nullptr, exitbutton}));

    connect(m_playerList, &QListWidget::itemSelectionChanged, this, &RenamePlayerWindow::copySelectedName);

    placeBelowMiddle();
}

void RenamePlayerWindow::copySelectedName() {
    std::string name = selectedLine(m_playerList);
    if (!name.empty()) m_newNameText->setText(qs(name));
}

void RenamePlayerWindow::renameSelectedPlayer() {
    std::string selected = selectedLine(m_playerList);
    std::string newName = str(m_newNameText->text());
    RenameCheck check = checkRename(m_store.league, newName);
    if (selected.empty() || check == RenameCheck::TooShort) {
        m_services.dialogs.beep();
        return;
    }
    if (check == RenameCheck::Refused) {
        m_services.dialogs.messageBox(*checkPlayerName(newName));
        return;
    }
    if (check == RenameCheck::InUse) {
        m_services.dialogs.messageBox(nameInUse());
        return; // the selection stays for another try
    }
    if (m_services.dialogs.messageBox(renameQuestion(), Buttons::YesNo, Answer::No) == Answer::Yes) {
        renamePlayer(m_store, findPlayer(m_store.league, selected), newName);
        fillList(m_playerList, rosterNames(m_store.league));
    }
    m_playerList->clearSelection();
}

} // namespace tallyrock
