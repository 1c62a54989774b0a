#include "TeamPointsWindow.h"

#include "print/PrintFonts.h"
#include "roster/TextBoxRule.h"
#include "services/QtText.h"
#include "store/TeamFile.h"
#include "teams/TeamOps.h"
#include "teams/TeamPoints.h"
#include "utilities/ScreenPlacement.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace tallyrock {

namespace {

QLineEdit* textBox(const QString& name, const QString& tip, QWidget* parent) {
    QLineEdit* box = namedEdit(name, parent);
    box->setToolTip(tip);
    return box;
}

} // namespace

TeamPointsWindow::TeamPointsWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "teamdataform", "Greenquill") {
    m_TeamNameLabel = namedLabel("TeamNameLabel", this);
    m_RecordNumberLabel = namedLabel("RecordNumberLabel", this);
    m_Membertext = textBox("Membertext", "Players in this Team", this);
    m_Membertext->setReadOnly(true);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setToolTip("Click to select lines");
    m_List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List1->setFont(printFont("Courier New", 9, false)); // the columns are built with spaces
    m_Text1 = textBox("Text1", "Description or Event", this);
    m_Text1->setMaxLength(CommentMaxChars);
    keepTextSafe(m_Text1);
    m_ManualText = textBox("ManualText", "Total kept by you", this);
    m_Calculatedtext = textBox("Calculatedtext", "Totaled by the program", this);
    m_TotalLabel = namedLabel("TotalLabel", this);
    m_DateText = textBox("DateText", "Can be a note, date or location", this);
    keepTextSafe(m_DateText); // it starts the comments
    m_DateCheck = new QCheckBox("Begin each line with -->", this);
    m_DateCheck->setObjectName("DateCheck");
    m_DateCheck->setToolTip("Starting Date or comment");
    QPushButton* addbutton =
        actionButton("Add Event Information", "Addbutton", &TeamPointsWindow::Addbutton_Click,
                     "Enter new information to the list");
    QPushButton* removebutton =
        actionButton("Remove Entry", "Removebutton", &TeamPointsWindow::Removebutton_Click);
    QPushButton* nextteambutton = actionButton("Next Team", "nextteambutton", [this] { stepTeam(true); });
    QPushButton* prevteambutton =
        actionButton("Previous Team", "prevteambutton", [this] { stepTeam(false); });
    QPushButton* exitbutton = closeButton("Close", "exitbutton", "Close Team point window");
    auto* image1 = new QToolButton(this);
    image1->setObjectName("Image1");
    image1->setText("?");
    image1->setToolTip("Team Information Help");
    image1->setAccessibleName("Team Information Help");

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_TeamNameLabel, 0, 0, 1, 2);
    grid->addWidget(m_RecordNumberLabel, 0, 2);
    grid->addWidget(image1, 0, 3, Qt::AlignRight);
    grid->addWidget(m_Membertext, 1, 0, 1, 4);
    grid->addWidget(m_List1, 2, 0, 1, 4);
    grid->addWidget(new QLabel("Event or Comment", this), 3, 0);
    grid->addWidget(new QLabel("Points or count", this), 3, 1);
    grid->addWidget(new QLabel("Pts. to Add", this), 3, 2);
    grid->addWidget(m_Text1, 4, 0);
    grid->addWidget(m_ManualText, 4, 1);
    grid->addWidget(m_Calculatedtext, 4, 2);
    grid->addWidget(addbutton, 4, 3);
    grid->addWidget(m_DateCheck, 5, 0);
    grid->addWidget(m_DateText, 5, 1);
    grid->addWidget(new QLabel("Calculated running total:", this), 5, 2, Qt::AlignRight);
    grid->addWidget(m_TotalLabel, 5, 3);
    grid->addLayout(rowOf({removebutton, prevteambutton, nextteambutton, exitbutton}), 6, 0, 1, 4);
    grid->setColumnStretch(0, 3);
    resize(720, 480);

    connect(m_DateCheck, &QCheckBox::clicked, this, &TeamPointsWindow::DateCheck_Click);
    connect(image1, &QToolButton::clicked, this, &TeamPointsWindow::helpRequested);

    // Load
    openTeamPoints(m_store);
    showmembers();
    m_DateText->setText(qs(dashedDate(m_services.clock.today())));
    listinfo();
    centreBelowMiddle(*this, 0);
}

void TeamPointsWindow::showmembers() {
    const TeamTables& teams = m_store.teams;
    m_Membertext->setText(qs(memberText(m_store, teams.CurrentTeam)));
    m_TeamNameLabel->setText(qs(teamRecord(teams, teams.CurrentTeam).TeamName));
    m_RecordNumberLabel->setText(qs(teamRecordText(teams)));
}

void TeamPointsWindow::listinfo() {
    m_List1->clear();
    for (const std::string& line : pointsEntryLines(m_store.teams, m_store.teams.CurrentTeam))
        m_List1->addItem(qs(line));
    m_Text1->clear();
    m_ManualText->clear();
    m_Calculatedtext->clear();
    if (m_DateCheck->isChecked()) m_Text1->setText(qs(commentStart(str(m_DateText->text()))));
    countpoints();
}

void TeamPointsWindow::countpoints() {
    m_TotalLabel->setText(qs(runningTotalText(m_store.teams, m_store.teams.CurrentTeam)));
}

void TeamPointsWindow::checkfornewinfo() {
    if (!pointsPending(str(m_ManualText->text()), str(m_Calculatedtext->text()))) return;
    if (m_services.dialogs.messageBox(pendingPointsQuestion(), Buttons::YesNo, Answer::Yes) == Answer::Yes)
        Addbutton_Click();
}

void TeamPointsWindow::Addbutton_Click() {
    const std::string comment = str(m_Text1->text());
    switch (addTeamEntry(m_store, comment, str(m_ManualText->text()), str(m_Calculatedtext->text()))) {
    case AddEntryResult::Refused:
        m_services.dialogs.messageBox(*checkComment(comment));
        return;
    case AddEntryResult::Empty:
        m_services.dialogs.beep();
        return;
    case AddEntryResult::Full:
        m_services.dialogs.messageBox(entriesFull());
        return;
    case AddEntryResult::Added:
        break;
    }
    listinfo();
}

void TeamPointsWindow::Removebutton_Click() {
    std::vector<int> entries;
    for (int i = 0; i < m_List1->count(); ++i)
        if (m_List1->item(i)->isSelected()) entries.push_back(i + 1);
    removeTeamEntries(m_store, entries);
    listinfo();
}

void TeamPointsWindow::DateCheck_Click(bool checked) {
    if (checked && m_Text1->text().isEmpty()) m_Text1->setText(qs(commentStart(str(m_DateText->text()))));
}

void TeamPointsWindow::stepTeam(bool forward) {
    checkfornewinfo();
    forward ? nextTeam(m_store.teams) : previousTeam(m_store.teams);
    showmembers();
    listinfo();
}

// The close button and the window's own close both ask about typed points and keep the entries.
void TeamPointsWindow::onClosing() {
    checkfornewinfo();
    if (Failure failure = SaveTeamFile(m_store)) m_services.dialogs.messageBox(*failure);
}

} // namespace tallyrock
