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
    m_List1 = memberList("List1", this);
    m_List2 = memberList("List2", this);
    m_teamnametext = namedEdit("teamnametext", this);
    keepTextSafe(m_teamnametext);
    m_recordnumberlabel = new QLabel("Team # 0 in Record", this);
    m_recordnumberlabel->setObjectName("recordnumberlabel");
    m_startlabel =
        new QLabel("Type a team name in the box in the upper right to begin, then select players from "
                   "the list on the left.",
                   this);
    m_startlabel->setObjectName("startlabel");
    m_startlabel->setWordWrap(true);
    m_startlabel->hide();
    QPushButton* addbutton = actionButton("->", "addbutton", &TeamDefinitionWindow::addbutton_Click);
    QPushButton* removebutton = actionButton("<-", "removebutton", &TeamDefinitionWindow::removebutton_Click);
    addbutton->setAccessibleName("Move into the team");
    removebutton->setAccessibleName("Move out of the team");
    m_createbutton =
        actionButton("Create Additonal Teams", "createbutton", &TeamDefinitionWindow::createbutton_Click);
    QPushButton* deleteteambutton =
        actionButton("Remove Team", "deleteteambutton", &TeamDefinitionWindow::deleteteambutton_Click);
    QPushButton* nextteambutton = actionButton("Next Team", "nextteambutton", [this] { stepTeam(true); });
    QPushButton* prevteambutton =
        actionButton("Previous Team", "prevteambutton", [this] { stepTeam(false); });
    QPushButton* exitbutton = closeButton("Close", "Exitbutton");
    QPushButton* infobutton = helpButton("Info", "Infobutton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Unassigned Members", this), 0, 0);
    grid->addWidget(new QLabel("Team Name", this), 0, 2);
    grid->addWidget(m_List1, 1, 0, 3, 1);
    grid->addWidget(m_teamnametext, 1, 2);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(new QLabel("Move players", this));
    middle->addWidget(new QLabel("to or from teams", this));
    middle->addWidget(addbutton);
    middle->addWidget(removebutton);
    middle->addStretch();
    grid->addLayout(middle, 1, 1, 3, 1);
    grid->addWidget(m_recordnumberlabel, 2, 2);
    grid->addWidget(m_List2, 3, 2);
    grid->addWidget(m_startlabel, 4, 0, 1, 3);
    grid->addLayout(
        rowOf({prevteambutton, nextteambutton, m_createbutton, deleteteambutton, infobutton, exitbutton}), 5,
        0, 1, 3);

    connect(m_teamnametext, &QLineEdit::textChanged, this, &TeamDefinitionWindow::teamnametext_Change);

    // Load
    openTeamDefinition(m_store);
    AddNamestoList();
    if (m_store.teams.TeamCount == 0) {
        m_createbutton->setEnabled(false);
        m_startlabel->show();
    }
    adjustSize();
    centreBelowMiddle(*this, 90);
}

void TeamDefinitionWindow::AddNamestoList() {
    const TeamTables& teams = m_store.teams;
    fill(m_List1, teamMemberNames(m_store, 0));
    fill(m_List2, teamMemberNames(m_store, teams.CurrentTeam));
    m_teamnametext->setText(qs(teamRecord(teams, teams.CurrentTeam).TeamName));
    m_recordnumberlabel->setText(qs(teamRecordText(teams)));
}

void TeamDefinitionWindow::teamnametext_Change(const QString& text) {
    m_createbutton->setEnabled(true);
    if (Failure refusal = nameTeam(m_store, str(text))) m_services.dialogs.messageBox(*refusal);
    m_recordnumberlabel->setText(qs(teamRecordText(m_store.teams)));
}

void TeamDefinitionWindow::addbutton_Click() {
    moveIntoTeam(m_store, selectedNames(m_List1));
    AddNamestoList();
}

void TeamDefinitionWindow::removebutton_Click() {
    moveOutOfTeam(m_store, selectedNames(m_List2));
    AddNamestoList();
}

void TeamDefinitionWindow::createbutton_Click() {
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
    AddNamestoList();
    m_startlabel->hide();
}

void TeamDefinitionWindow::deleteteambutton_Click() {
    if (removeTeam(m_store) == RemoveTeamResult::RosterNotEmpty) {
        m_services.dialogs.beep();
        m_services.dialogs.messageBox(rosterNotEmpty());
        return;
    }
    AddNamestoList();
}

void TeamDefinitionWindow::stepTeam(bool forward) {
    forward ? nextTeam(m_store.teams) : previousTeam(m_store.teams);
    AddNamestoList();
}

// The close button and the window's own close both keep the changes.
void TeamDefinitionWindow::onClosing() {
    if (Failure failure = SaveTeamFile(m_store)) m_services.dialogs.messageBox(*failure);
}

} // namespace tallyrock
