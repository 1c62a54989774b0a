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
    m_Text1 = namedEdit("Text1", this);
    m_Text1->setToolTip("Date which will appear on printed cards");
    auto* offsets = new QGroupBox("Print alignment", this);
    m_hoffsettext = namedEdit("hoffsettext", offsets);
    m_WDOffSetText = namedEdit("WDOffSetText", offsets);
    m_pscalingtext = namedEdit("pscalingtext", offsets);
    auto* offsetRows = new QFormLayout(offsets);
    offsetRows->addRow("Starting height Offset", m_hoffsettext);
    offsetRows->addRow("Width Offset", m_WDOffSetText);
    offsetRows->addRow("Vertical Scaling factor", m_pscalingtext);

    drawCardPicture(m_picture);
    QLabel* picture = chartPicture("Picture1", m_picture, this);
    QPushButton* printbutton = actionButton("&Print", "PrintButton", &HandicapCardWindow::PrintButton_Click,
                                            "Print hcp cards for selected players");
    QPushButton* donebutton = closeButton("&Done", "donebutton", "Close hcp card window");
    QPushButton* infobutton =
        actionButton("Info", "infobutton", &HandicapCardWindow::infobutton_Click, "Card stock");

    auto* formColumn = new QVBoxLayout;
    formColumn->addWidget(picture, 0, Qt::AlignHCenter);
    formColumn->addWidget(commentLabel);
    formColumn->addWidget(m_Text1);
    formColumn->addWidget(offsets);
    formColumn->addStretch(1);
    formColumn->addLayout(rowOf({infobutton, nullptr, printbutton, donebutton}));
    auto* row = new QHBoxLayout(this);
    row->addLayout(listColumn, 1);
    row->addLayout(formColumn);
    resize(560, 440);

    connect(m_pscalingtext, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_store.settings.CardScaling = toSingle(leadingNumber(str(text)));
    });
    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName("Timer1");
    connect(m_Timer1, &QTimer::timeout, this, &HandicapCardWindow::Timer1_Timer);
    m_Timer1->start(1000);

    showOpening();
}

// The players to print cards for, with the count and the select and un-mark buttons.
QVBoxLayout* HandicapCardWindow::buildPlayerColumn() {
    auto* heading = new QLabel("Click to Select the Players who need Handicap Cards", this);
    heading->setWordWrap(true);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setSelectionMode(QAbstractItemView::MultiSelection);
    m_printcountlabel = namedLabel("printcountlabel", this);
    QPushButton* selectallbutton = namedButton("Select All", "selectallbutton", this);
    QPushButton* unmarkbutton = namedButton("Un-mark All", "Command1", this);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(m_List1, 1);
    listColumn->addWidget(m_printcountlabel);
    listColumn->addLayout(rowOf({selectallbutton, unmarkbutton}));
    connect(selectallbutton, &QPushButton::clicked, m_List1, &QListWidget::selectAll);
    connect(unmarkbutton, &QPushButton::clicked, m_List1, &QListWidget::clearSelection);
    return listColumn;
}

// The stored alignment, the players and today's date; the count of cards to print.
void HandicapCardWindow::showOpening() {
    centreBelowMiddle(*this, 0);
    CardForm opened = openCardForm(m_store.settings);
    m_hoffsettext->setText(qs(opened.hOffset));
    m_WDOffSetText->setText(qs(opened.wdOffset));
    m_pscalingtext->setText(qs(opened.scaling));
    for (const PlayerEntry& entry : playerEntries(m_store.league)) {
        auto* item = new QListWidgetItem(qs(entry.name), m_List1);
        item->setData(SlotRole, entry.slot);
    }
    m_Text1->setText(qs(dashedDate(m_services.clock.today())));
    Timer1_Timer();
}

CardForm HandicapCardWindow::form() const {
    return {str(m_hoffsettext->text()), str(m_WDOffSetText->text()), str(m_pscalingtext->text())};
}

void HandicapCardWindow::PrintButton_Click() {
    if (m_services.dialogs.messageBox(cardPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    Failure refused = whileBusy(m_services.dialogs, [&] {
        // The offsets are used as typed; the scaling box shows the number it was read as.
        takeCardForm(m_store.settings, form());
        m_pscalingtext->setText(qs(scalingBoxText(str(m_pscalingtext->text()))));
        // Each entry keeps its own slot: names left out of the list would shift a position.
        std::vector<int> players;
        for (int i = 0; i < m_List1->count(); ++i)
            if (m_List1->item(i)->isSelected()) players.push_back(m_List1->item(i)->data(SlotRole).toInt());
        return PrintHandicapCards(m_store, m_services.printer, players, str(m_Text1->text()), m_picture);
    });
    if (refused) m_services.dialogs.messageBox(*refused);
}

void HandicapCardWindow::infobutton_Click() {
    m_services.dialogs.messageBox(cardStockAdvice());
}

void HandicapCardWindow::Timer1_Timer() {
    m_printcountlabel->setText(qs(cardsToPrintText(static_cast<int>(m_List1->selectedItems().size()))));
}

void HandicapCardWindow::onClosing() {
    m_Timer1->stop();
    m_services.dialogs.setBusy(false);
    closeCardForm(m_store, form());
}

} // namespace tallyrock
