#include "PlayerOrderWindow.h"

#include "RosterWindowParts.h"
#include "handicap/SpinButton.h"
#include "roster/RosterChanges.h"
#include "services/QtText.h"
#include "store/TeamFile.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tallyrock {

PlayerOrderWindow::PlayerOrderWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "sortform", "Player Listing  rearrange / Sort") {
    QLabel* Playerlabel = namedLabel("Playerlabel", this);
    makeBold(Playerlabel);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    // The numbers are right-aligned in three characters: a fixed pitch keeps the names in line.
    m_List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_List1->setMinimumSize(260, 300);
    m_Label1 = namedLabel("Label1", this);
    sinkPanel(m_Label1);
    m_Label1->setMinimumWidth(m_Label1->fontMetrics().horizontalAdvance(QString(20, 'n')));
    m_Text1 = namedEdit("Text1", this);
    m_Text1->setFixedWidth(56);
    auto* SpinButton1 = new SpinButton("SpinButton1", "Position", this);
    m_changebutton = actionButton("Change Position", "changebutton", &PlayerOrderWindow::changebutton_Click);
    m_changebutton->setEnabled(false);
    QPushButton* exitbutton = closeButton("Cl&ose", "exitbutton", "Close position sorting window");

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel("Click on a name to Select.", this));
    side->addWidget(m_Label1);
    side->addSpacing(10);
    for (const char* line : {"Use Spin button or type", "in desired position number."})
        side->addWidget(new QLabel(line, this));
    auto* position = new QHBoxLayout;
    position->addWidget(new QLabel("Position", this));
    position->addWidget(m_Text1);
    position->addWidget(SpinButton1);
    position->addStretch(1);
    side->addLayout(position);
    side->addSpacing(10);
    for (const char* line : {"Click the Change Position", "Button to make the change."})
        side->addWidget(new QLabel(line, this));
    side->addWidget(m_changebutton);
    side->addStretch(1);
    side->addWidget(exitbutton);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Playerlabel, 0, 0, 1, 2);
    grid->addWidget(m_List1, 1, 0);
    grid->addLayout(side, 1, 1);
    grid->setColumnStretch(0, 1);

    // A selection, not the focus mark the list puts on its first line, chooses the player.
    connect(m_List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_List1->selectedItems();
        if (!selected.isEmpty()) List1_Click(m_List1->row(selected.front()));
    });
    connect(m_List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1_Click(m_List1->row(item)); });
    connect(m_Text1, &QLineEdit::textChanged, this, &PlayerOrderWindow::Text1_Change);
    connect(SpinButton1, &SpinButton::spinDown, this, [this] { SpinButton1_Spin(true); });
    connect(SpinButton1, &SpinButton::spinUp, this, [this] { SpinButton1_Spin(false); });

    // Load
    Playerlabel->setText(qs(orderListCaption(m_store)));
    buildList();
    ReloadTeams(m_store);

    placeBelowMiddle();
}

void PlayerOrderWindow::buildList() {
    QSignalBlocker quiet(m_List1); // an emptied list selects nobody new
    fillList(m_List1, orderLines(m_store.league));
}

void PlayerOrderWindow::List1_Click(int row) {
    if (row < 0) return;
    m_Label1->setText(qs(orderLineName(str(m_List1->item(row)->text()))));
    m_FromPosition = row + 1;
    m_Text1->setText(QString::number(m_FromPosition));
}

void PlayerOrderWindow::Text1_Change() {
    if (m_Label1->text().isEmpty()) {
        if (!m_Text1->text().isEmpty()) m_Text1->clear();
        return;
    }
    std::string typed = str(m_Text1->text());
    std::string shown = orderPositionText(typed, m_store.league.PlayerCount);
    if (shown != typed) {
        m_Text1->setText(qs(shown)); // runs these rules again on the count
        return;
    }
    m_changebutton->setEnabled(true);
    m_ToPosition = orderTargetPosition(shown);
    m_Text1->setCursorPosition(static_cast<int>(m_Text1->text().size()));
}

// Down moves towards the end of the list, up towards the top.
void PlayerOrderWindow::SpinButton1_Spin(bool down) {
    if (m_Label1->text().isEmpty()) return;
    if (std::optional<int> next = orderSpin(str(m_Text1->text()), m_store.league.PlayerCount, down))
        m_Text1->setText(QString::number(*next));
}

void PlayerOrderWindow::changebutton_Click() {
    if (!movePlayer(m_store, str(m_Label1->text()), m_FromPosition, m_ToPosition)) {
        m_services.dialogs.beep();
        return;
    }
    buildList();
    m_changebutton->setEnabled(false);
}

// The close button and the window's own close both write the files.
void PlayerOrderWindow::onClosing() {
    saveRosterFilesShowing(m_store, m_services, TeamFileSave::WhileTeamsInUse);
}

} // namespace tallyrock
