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
    m_orderList = new QListWidget(this);
    m_orderList->setObjectName("List1");
    // The numbers are right-aligned in three characters: a fixed pitch keeps the names in line.
    m_orderList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_orderList->setMinimumSize(260, 300);
    m_movingPlayerLabel = namedLabel("Label1", this);
    sinkPanel(m_movingPlayerLabel);
    m_movingPlayerLabel->setMinimumWidth(
        m_movingPlayerLabel->fontMetrics().horizontalAdvance(QString(20, 'n')));
    m_positionText = namedEdit("Text1", this);
    m_positionText->setFixedWidth(56);
    auto* SpinButton1 = new SpinButton("SpinButton1", "Position", this);
    m_changeButton =
        actionButton("Change Position", "changebutton", &PlayerOrderWindow::movePlayerToPosition);
    m_changeButton->setEnabled(false);
    QPushButton* exitbutton = closeButton("Cl&ose", "exitbutton", "Close position sorting window");

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel("Click on a name to Select.", this));
    side->addWidget(m_movingPlayerLabel);
    side->addSpacing(10);
    for (const char* line : {"Use Spin button or type", "in desired position number."})
        side->addWidget(new QLabel(line, this));
    auto* position = new QHBoxLayout;
    position->addWidget(new QLabel("Position", this));
    position->addWidget(m_positionText);
    position->addWidget(SpinButton1);
    position->addStretch(1);
    side->addLayout(position);
    side->addSpacing(10);
    for (const char* line : {"Click the Change Position", "Button to make the change."})
        side->addWidget(new QLabel(line, this));
    side->addWidget(m_changeButton);
    side->addStretch(1);
    side->addWidget(exitbutton);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Playerlabel, 0, 0, 1, 2);
    grid->addWidget(m_orderList, 1, 0);
    grid->addLayout(side, 1, 1);
    grid->setColumnStretch(0, 1);

    // A selection, not the focus mark the list puts on its first line, chooses the player.
    connect(m_orderList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = m_orderList->selectedItems();
        if (!selected.isEmpty()) selectPlayer(m_orderList->row(selected.front()));
    });
    connect(m_orderList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectPlayer(m_orderList->row(item)); });
    connect(m_positionText, &QLineEdit::textChanged, this, &PlayerOrderWindow::takePosition);
    connect(SpinButton1, &SpinButton::spinDown, this, [this] { stepPosition(true); });
    connect(SpinButton1, &SpinButton::spinUp, this, [this] { stepPosition(false); });

    // Load
    Playerlabel->setText(qs(orderListCaption(m_store)));
    buildList();
    ReloadTeams(m_store);

    placeBelowMiddle();
}

void PlayerOrderWindow::buildList() {
    QSignalBlocker quiet(m_orderList); // an emptied list selects nobody new
    fillList(m_orderList, orderLines(m_store.league));
}

void PlayerOrderWindow::selectPlayer(int row) {
    if (row < 0) return;
    m_movingPlayerLabel->setText(qs(orderLineName(str(m_orderList->item(row)->text()))));
    m_fromPosition = row + 1;
    m_positionText->setText(QString::number(m_fromPosition));
}

void PlayerOrderWindow::takePosition() {
    if (m_movingPlayerLabel->text().isEmpty()) {
        if (!m_positionText->text().isEmpty()) m_positionText->clear();
        return;
    }
    std::string typed = str(m_positionText->text());
    std::string shown = orderPositionText(typed, m_store.league.PlayerCount);
    if (shown != typed) {
        m_positionText->setText(qs(shown)); // runs these rules again on the count
        return;
    }
    m_changeButton->setEnabled(true);
    m_toPosition = orderTargetPosition(shown);
    m_positionText->setCursorPosition(static_cast<int>(m_positionText->text().size()));
}

// Down moves towards the end of the list, up towards the top.
void PlayerOrderWindow::stepPosition(bool down) {
    if (m_movingPlayerLabel->text().isEmpty()) return;
    if (std::optional<int> next = orderSpin(str(m_positionText->text()), m_store.league.PlayerCount, down))
        m_positionText->setText(QString::number(*next));
}

void PlayerOrderWindow::movePlayerToPosition() {
    if (!movePlayer(m_store, str(m_movingPlayerLabel->text()), m_fromPosition, m_toPosition)) {
        m_services.dialogs.beep();
        return;
    }
    buildList();
    m_changeButton->setEnabled(false);
}

// The close button and the window's own close both write the files.
void PlayerOrderWindow::onClosing() {
    saveRosterFilesShowing(m_store, m_services, TeamFileSave::WhileTeamsInUse);
}

} // namespace tallyrock
