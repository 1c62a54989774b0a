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
    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setSelectionMode(QAbstractItemView::SingleSelection);
    QPushButton* acceptbutton =
        actionButton("&Accept", "acceptbutton", &ChartChooserWindow::acceptbutton_Click, "accept selection");
    acceptbutton->setDefault(true);
    QPushButton* exitbutton = actionButton("E&xit", "exitbutton", &ChartChooserWindow::exitbutton_Click);

    auto* column = new QVBoxLayout(this);
    column->addWidget(playerlabel);
    column->addWidget(m_List1, 1);
    column->addLayout(rowOf({acceptbutton, exitbutton}));
    resize(300, 420);

    connect(playerlabel, &QPushButton::clicked, m_List1, &QListWidget::clearSelection);
    connect(m_List1, &QListWidget::itemDoubleClicked, this, &ChartChooserWindow::acceptbutton_Click);

    m_store.CurrentPlayer = 0;
    playerlabel->setText(qs(chooserCaption(m_store)));
    centreBelowMiddle(*this, 90);
    for (const PlayerEntry& entry : playerEntries(m_store.league)) {
        auto* item = new QListWidgetItem(qs(entry.name), m_List1);
        item->setData(SlotRole, entry.slot);
    }
}

void ChartChooserWindow::acceptbutton_Click() {
    QListWidgetItem* chosen = chosenEntry(m_List1, m_services.dialogs);
    if (!chosen) return;
    BusyPointer busy(m_services.dialogs);
    // The entry's own slot: names left out of the list would shift a position.
    m_store.CurrentPlayer = static_cast<int16_t>(chosen->data(SlotRole).toInt());
    m_List1->clearSelection();
    openChartWindow(chartForKind(m_store.ChartKind), m_store, m_services, m_adopt);
    close();
}

void ChartChooserWindow::exitbutton_Click() {
    m_List1->clearSelection();
    close();
}

} // namespace tallyrock
