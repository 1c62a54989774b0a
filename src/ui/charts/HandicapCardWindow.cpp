#include "HandicapCardWindow.h"

#include "ChartWidgets.h"
#include "charts/ChartChooser.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "store/NumberText.h"
#include "utilities/ScreenPlacement.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tallyrock {

namespace {
constexpr int SlotRole = Qt::UserRole;
} // namespace

HandicapCardWindow::HandicapCardWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "HcpCards", "Handicap Card Printing") {
    QVBoxLayout* listColumn = buildPlayerColumn();

    auto* commentLabel = new QLabel("Date or optional comment that will appear on printed cards", this);
    commentLabel->setWordWrap(true);
    m_dateText = namedEdit("Text1", this);
    m_dateText->setToolTip("Date which will appear on printed cards");
    auto* offsets = new QGroupBox("Print alignment", this);
    m_heightOffsetText = namedEdit("hoffsettext", offsets);
    m_widthOffsetText = namedEdit("WDOffSetText", offsets);
    m_scalingText = namedEdit("pscalingtext", offsets);
    auto* offsetRows = new QFormLayout(offsets);
    offsetRows->addRow("Starting height Offset", m_heightOffsetText);
    offsetRows->addRow("Width Offset", m_widthOffsetText);
    offsetRows->addRow("Vertical Scaling factor", m_scalingText);

    drawCardPicture(m_picture);
    QLabel* picture = chartPicture("Picture1", m_picture, this);
    QPushButton* printbutton = actionButton("&Print", "PrintButton", &HandicapCardWindow::printCards,
                                            "Print hcp cards for selected players");
    QPushButton* donebutton = closeButton("&Done", "donebutton", "Close hcp card window");
    QPushButton* infobutton =
        actionButton("Info", "infobutton", &HandicapCardWindow::showCardStockAdvice, "Card stock");

    auto* formColumn = new QVBoxLayout;
    formColumn->addWidget(picture, 0, Qt::AlignHCenter);
    formColumn->addWidget(commentLabel);
    formColumn->addWidget(m_dateText);
    formColumn->addWidget(offsets);
    formColumn->addStretch(1);
    formColumn->addLayout(rowOf({infobutton, nullptr, printbutton, donebutton}));
    auto* row = new QHBoxLayout(this);
    row->addLayout(listColumn, 1);
    row->addLayout(formColumn);
    resize(560, 440);

    connect(m_scalingText, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_store.settings.CardScaling = toSingle(leadingNumber(str(text)));
    });
    m_countTimer = new QTimer(this);
    m_countTimer->setObjectName("Timer1");
    connect(m_countTimer, &QTimer::timeout, this, &HandicapCardWindow::showPrintCount);
    m_countTimer->start(1000);

    showOpening();
}

// The players to print cards for, with the count and the select and un-mark buttons.
QVBoxLayout* HandicapCardWindow::buildPlayerColumn() {
    auto* heading = new QLabel("Click to Select the Players who need Handicap Cards", this);
    heading->setWordWrap(true);
    m_playerList = new QListWidget(this);
    m_playerList->setObjectName("List1");
    m_playerList->setSelectionMode(QAbstractItemView::MultiSelection);
    m_printCountLabel = namedLabel("printcountlabel", this);
    QPushButton* selectallbutton = namedButton("Select All", "selectallbutton", this);
    QPushButton* unmarkbutton = namedButton("Un-mark All", "Command1", this);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(m_playerList, 1);
    listColumn->addWidget(m_printCountLabel);
    listColumn->addLayout(rowOf({selectallbutton, unmarkbutton}));
    connect(selectallbutton, &QPushButton::clicked, m_playerList, &QListWidget::selectAll);
    connect(unmarkbutton, &QPushButton::clicked, m_playerList, &QListWidget::clearSelection);
    return listColumn;
}

// The stored alignment, the players and today's date; the count of cards to print.
void HandicapCardWindow::showOpening() {
    centreBelowMiddle(*this, 0);
    CardForm opened = openCardForm(m_store.settings);
    m_heightOffsetText->setText(qs(opened.hOffset));
    m_widthOffsetText->setText(qs(opened.wdOffset));
    m_scalingText->setText(qs(opened.scaling));
    for (const PlayerEntry& entry : playerEntries(m_store.league)) {
        auto* item = new QListWidgetItem(qs(entry.name), m_playerList);
        item->setData(SlotRole, entry.slot);
    }
    m_dateText->setText(qs(dashedDate(m_services.clock.today())));
    showPrintCount();
}

CardForm HandicapCardWindow::form() const {
    return {str(m_heightOffsetText->text()), str(m_widthOffsetText->text()), str(m_scalingText->text())};
}

void HandicapCardWindow::printCards() {
    if (m_services.dialogs.messageBox(cardPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    Failure refused = whileBusy(m_services.dialogs, [&] {
        // The offsets are used as typed; the scaling box shows the number it was read as.
        takeCardForm(m_store.settings, form());
        m_scalingText->setText(qs(scalingBoxText(str(m_scalingText->text()))));
        // Each entry keeps its own slot: names left out of the list would shift a position.
        std::vector<int> players;
        for (int i = 0; i < m_playerList->count(); ++i)
            if (m_playerList->item(i)->isSelected())
                players.push_back(m_playerList->item(i)->data(SlotRole).toInt());
        return PrintHandicapCards(m_store, m_services.printer, players, str(m_dateText->text()), m_picture);
    });
    if (refused) m_services.dialogs.messageBox(*refused);
}

void HandicapCardWindow::showCardStockAdvice() {
    m_services.dialogs.messageBox(cardStockAdvice());
}

void HandicapCardWindow::showPrintCount() {
    m_printCountLabel->setText(qs(cardsToPrintText(static_cast<int>(m_playerList->selectedItems().size()))));
}

void HandicapCardWindow::onClosing() {
    m_countTimer->stop();
    m_services.dialogs.setBusy(false);
    closeCardForm(m_store, form());
}

} // namespace tallyrock
