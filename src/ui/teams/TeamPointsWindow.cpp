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
    m_teamNameLabel = namedLabel("TeamNameLabel", this);
    m_recordNumberLabel = namedLabel("RecordNumberLabel", this);
    m_memberText = textBox("Membertext", "Players in this Team", this);
    m_memberText->setReadOnly(true);
    m_entryList = new QListWidget(this);
    m_entryList->setObjectName("List1");
    m_entryList->setToolTip("Click to select lines");
    m_entryList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_entryList->setFont(printFont("Courier New", 9, false)); // the columns are built with spaces
    m_typed.comment = textBox("Text1", "Description or Event", this);
    m_typed.comment->setMaxLength(CommentMaxChars);
    keepTextSafe(m_typed.comment);
    m_typed.manual = textBox("ManualText", "Total kept by you", this);
    m_typed.calculated = textBox("Calculatedtext", "Totaled by the program", this);
    m_totalLabel = namedLabel("TotalLabel", this);
    m_dateText = textBox("DateText", "Can be a note, date or location", this);
    keepTextSafe(m_dateText); // it starts the comments
    m_dateCheck = new QCheckBox("Begin each line with -->", this);
    m_dateCheck->setObjectName("DateCheck");
    m_dateCheck->setToolTip("Starting Date or comment");
    QPushButton* addbutton = actionButton("Add Event Information", "Addbutton", &TeamPointsWindow::addEntry,
                                          "Enter new information to the list");
    QPushButton* removebutton =
        actionButton("Remove Entry", "Removebutton", &TeamPointsWindow::removeSelectedEntries);
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
    grid->addWidget(m_teamNameLabel, 0, 0, 1, 2);
    grid->addWidget(m_recordNumberLabel, 0, 2);
    grid->addWidget(image1, 0, 3, Qt::AlignRight);
    grid->addWidget(m_memberText, 1, 0, 1, 4);
    grid->addWidget(m_entryList, 2, 0, 1, 4);
    grid->addWidget(new QLabel("Event or Comment", this), 3, 0);
    grid->addWidget(new QLabel("Points or count", this), 3, 1);
    grid->addWidget(new QLabel("Pts. to Add", this), 3, 2);
    grid->addWidget(m_typed.comment, 4, 0);
    grid->addWidget(m_typed.manual, 4, 1);
    grid->addWidget(m_typed.calculated, 4, 2);
    grid->addWidget(addbutton, 4, 3);
    grid->addWidget(m_dateCheck, 5, 0);
    grid->addWidget(m_dateText, 5, 1);
    grid->addWidget(new QLabel("Calculated running total:", this), 5, 2, Qt::AlignRight);
    grid->addWidget(m_totalLabel, 5, 3);
    grid->addLayout(rowOf({removebutton, prevteambutton, nextteambutton, exitbutton}), 6, 0, 1, 4);
    grid->setColumnStretch(0, 3);
    resize(720, 480);

    connect(m_dateCheck, &QCheckBox::clicked, this, &TeamPointsWindow::startCommentWithDate);
    connect(image1, &QToolButton::clicked, this, &TeamPointsWindow::helpRequested);

    // Load
    openTeamPoints(m_store);
    showMembers();
    m_dateText->setText(qs(dashedDate(m_services.clock.today())));
    listEntries();
    centreBelowMiddle(*this, 0);
}

void TeamPointsWindow::showMembers() {
    const TeamTables& teams = m_store.teams;
    m_memberText->setText(qs(memberText(m_store, teams.CurrentTeam)));
    m_teamNameLabel->setText(qs(teamRecord(teams, teams.CurrentTeam).TeamName));
    m_recordNumberLabel->setText(qs(teamRecordText(teams)));
}

void TeamPointsWindow::listEntries() {
    m_entryList->clear();
    for (const std::string& line : pointsEntryLines(m_store.teams, m_store.teams.CurrentTeam))
        m_entryList->addItem(qs(line));
    m_typed.comment->clear();
    m_typed.manual->clear();
    m_typed.calculated->clear();
    if (m_dateCheck->isChecked()) m_typed.comment->setText(qs(commentStart(str(m_dateText->text()))));
    showTotal();
}

void TeamPointsWindow::showTotal() {
    m_totalLabel->setText(qs(runningTotalText(m_store.teams, m_store.teams.CurrentTeam)));
}

void TeamPointsWindow::offerPendingPoints() {
    if (!pointsPending(str(m_typed.manual->text()), str(m_typed.calculated->text()))) return;
    if (m_services.dialogs.messageBox(pendingPointsQuestion(), Buttons::YesNo, Answer::Yes) == Answer::Yes)
        addEntry();
}

void TeamPointsWindow::addEntry() {
    const std::string comment = str(m_typed.comment->text());
    switch (addTeamEntry(m_store, comment, str(m_typed.manual->text()), str(m_typed.calculated->text()))) {
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
    listEntries();
}

void TeamPointsWindow::removeSelectedEntries() {
    std::vector<int> entries;
    for (int i = 0; i < m_entryList->count(); ++i)
        if (m_entryList->item(i)->isSelected()) entries.push_back(i + 1);
    removeTeamEntries(m_store, entries);
    listEntries();
}

void TeamPointsWindow::startCommentWithDate(bool checked) {
    if (checked && m_typed.comment->text().isEmpty())
        m_typed.comment->setText(qs(commentStart(str(m_dateText->text()))));
}

void TeamPointsWindow::stepTeam(bool forward) {
    offerPendingPoints();
    forward ? nextTeam(m_store.teams) : previousTeam(m_store.teams);
    showMembers();
    listEntries();
}

// The close button and the window's own close both ask about typed points and keep the entries.
void TeamPointsWindow::onClosing() {
    offerPendingPoints();
    if (Failure failure = SaveTeamFile(m_store)) m_services.dialogs.messageBox(*failure);
}

} // namespace tallyrock
