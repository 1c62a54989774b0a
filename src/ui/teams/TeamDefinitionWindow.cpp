#include "TeamDefinitionWindow.h"

#include "roster/TextBoxRule.h"
#include "services/QtText.h"
#include "store/TeamFile.h"
#include "teams/TeamOps.h"
#include "utilities/ScreenPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

namespace {

QListWidget* memberList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    // A click adds a player to the selection, as in round set-up and the card window.
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    return list;
}

void fill(QListWidget* list, const std::vector<std::string>& names) {
    list->clear();
    for (const std::string& name : names)
        list->addItem(qs(name));
}

std::vector<std::string> selectedNames(const QListWidget* list) {
    std::vector<std::string> names;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) names.push_back(str(list->item(i)->text()));
    return names;
}

} // namespace

TeamDefinitionWindow::TeamDefinitionWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "createteamsform", "Team Set-up") {
    m_unassignedList = memberList("List1", this);
    m_memberList = memberList("List2", this);
    m_teamNameText = namedEdit("teamnametext", this);
    keepTextSafe(m_teamNameText);
    m_recordNumberLabel = new QLabel("Team # 0 in Record", this);
    m_recordNumberLabel->setObjectName("recordnumberlabel");
    m_startLabel =
        new QLabel("Type a team name in the box in the upper right to begin, then select players from "
                   "the list on the left.",
                   this);
    m_startLabel->setObjectName("startlabel");
    m_startLabel->setWordWrap(true);
    m_startLabel->hide();
    QPushButton* addbutton = actionButton("->", "addbutton", &TeamDefinitionWindow::addToTeam);
    QPushButton* removebutton = actionButton("<-", "removebutton", &TeamDefinitionWindow::takeOutOfTeam);
    addbutton->setAccessibleName("Move into the team");
    removebutton->setAccessibleName("Move out of the team");
    m_createButton =
        actionButton("Create Additonal Teams", "createbutton", &TeamDefinitionWindow::createNextTeam);
    QPushButton* deleteteambutton =
        actionButton("Remove Team", "deleteteambutton", &TeamDefinitionWindow::deleteTeam);
    QPushButton* nextteambutton = actionButton("Next Team", "nextteambutton", [this] { stepTeam(true); });
    QPushButton* prevteambutton =
        actionButton("Previous Team", "prevteambutton", [this] { stepTeam(false); });
    QPushButton* exitbutton = closeButton("Close", "Exitbutton");
    QPushButton* infobutton = helpButton("Info", "Infobutton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Unassigned Members", this), 0, 0);
    grid->addWidget(new QLabel("Team Name", this), 0, 2);
    grid->addWidget(m_unassignedList, 1, 0, 3, 1);
    grid->addWidget(m_teamNameText, 1, 2);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(new QLabel("Move players", this));
    middle->addWidget(new QLabel("to or from teams", this));
    middle->addWidget(addbutton);
    middle->addWidget(removebutton);
    middle->addStretch();
    grid->addLayout(middle, 1, 1, 3, 1);
    grid->addWidget(m_recordNumberLabel, 2, 2);
    grid->addWidget(m_memberList, 3, 2);
    grid->addWidget(m_startLabel, 4, 0, 1, 3);
    grid->addLayout(
        rowOf({prevteambutton, nextteambutton, m_createButton, deleteteambutton, infobutton, exitbutton}), 5,
        0, 1, 3);

    connect(m_teamNameText, &QLineEdit::textChanged, this, &TeamDefinitionWindow::renameTeam);

    // Load
    openTeamDefinition(m_store);
    showTeam();
    if (m_store.teams.TeamCount == 0) {
        m_createButton->setEnabled(false);
        m_startLabel->show();
    }
    adjustSize();
    centreBelowMiddle(*this, 90);
}

void TeamDefinitionWindow::showTeam() {
    const TeamTables& teams = m_store.teams;
    fill(m_unassignedList, teamMemberNames(m_store, 0));
    fill(m_memberList, teamMemberNames(m_store, teams.CurrentTeam));
    m_teamNameText->setText(qs(teamRecord(teams, teams.CurrentTeam).TeamName));
    m_recordNumberLabel->setText(qs(teamRecordText(teams)));
}

void TeamDefinitionWindow::renameTeam(const QString& text) {
    m_createButton->setEnabled(true);
    if (Failure refusal = nameTeam(m_store, str(text))) m_services.dialogs.messageBox(*refusal);
    m_recordNumberLabel->setText(qs(teamRecordText(m_store.teams)));
}

void TeamDefinitionWindow::addToTeam() {
    moveIntoTeam(m_store, selectedNames(m_unassignedList));
    showTeam();
}

void TeamDefinitionWindow::takeOutOfTeam() {
    moveOutOfTeam(m_store, selectedNames(m_memberList));
    showTeam();
}

void TeamDefinitionWindow::createNextTeam() {
    switch (createTeam(m_store)) {
    case CreateTeamResult::Unnamed:
        m_services.dialogs.beep();
        return;
    case CreateTeamResult::Full:
        m_services.dialogs.messageBox(teamsFull());
        return;
    case CreateTeamResult::Created:
        break;
    }
    showTeam();
    m_startLabel->hide();
}

void TeamDefinitionWindow::deleteTeam() {
    if (removeTeam(m_store) == RemoveTeamResult::RosterNotEmpty) {
        m_services.dialogs.beep();
        m_services.dialogs.messageBox(rosterNotEmpty());
        return;
    }
    showTeam();
}

void TeamDefinitionWindow::stepTeam(bool forward) {
    forward ? nextTeam(m_store.teams) : previousTeam(m_store.teams);
    showTeam();
}

// The close button and the window's own close both keep the changes.
void TeamDefinitionWindow::onClosing() {
    if (Failure failure = SaveTeamFile(m_store)) m_services.dialogs.messageBox(*failure);
}

} // namespace tallyrock
