#include "ChartChooserWindow.h"

#include "handicap/ChooserParts.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

namespace {
constexpr int SlotRole = Qt::UserRole;
}

ChartChooserWindow::ChartChooserWindow(Store& store, UiServices& services, ChartAdopter adopt,
                                       QWidget* parent)
    : ToolWindow(store, services, parent, "ANchooseplayer", "Select Player"), m_adopt(std::move(adopt)) {
    auto* playerlabel = new QPushButton(this);
    playerlabel->setObjectName("Playerlabel");
    playerlabel->setFlat(true);
    playerlabel->setStyleSheet("QPushButton { border: 1px inset gray; padding: 4px; font-weight: bold; }");
    m_playerList = new QListWidget(this);
    m_playerList->setObjectName("List1");
    m_playerList->setSelectionMode(QAbstractItemView::SingleSelection);
    QPushButton* acceptbutton =
        actionButton("&Accept", "acceptbutton", &ChartChooserWindow::openChart, "accept selection");
    acceptbutton->setDefault(true);
    QPushButton* exitbutton = actionButton("E&xit", "exitbutton", &ChartChooserWindow::cancelChoice);

    auto* column = new QVBoxLayout(this);
    column->addWidget(playerlabel);
    column->addWidget(m_playerList, 1);
    column->addLayout(rowOf({acceptbutton, exitbutton}));
    resize(300, 420);

    connect(playerlabel, &QPushButton::clicked, m_playerList, &QListWidget::clearSelection);
    connect(m_playerList, &QListWidget::itemDoubleClicked, this, &ChartChooserWindow::openChart);

    m_store.CurrentPlayer = 0;
    playerlabel->setText(qs(chooserCaption(m_store)));
    centreBelowMiddle(*this, 90);
    for (const PlayerEntry& entry : playerEntries(m_store.league)) {
        auto* item = new QListWidgetItem(qs(entry.name), m_playerList);
        item->setData(SlotRole, entry.slot);
    }
}

void ChartChooserWindow::openChart() {
    QListWidgetItem* chosen = chosenEntry(m_playerList, m_services.dialogs);
    if (!chosen) return;
    BusyPointer busy(m_services.dialogs);
    // The entry's own slot: names left out of the list would shift a position.
    m_store.CurrentPlayer = static_cast<int16_t>(chosen->data(SlotRole).toInt());
    m_playerList->clearSelection();
    openChartWindow(chartForKind(m_store.ChartKind), m_store, m_services, m_adopt);
    close();
}

void ChartChooserWindow::cancelChoice() {
    m_playerList->clearSelection();
    close();
}

} // namespace tallyrock
