#include "ChartWindows.h"

#include "ChartWidgets.h"
#include "PieChartWindow.h"
#include "TrendChartWindow.h"
#include "charts/TrendChart.h"
#include "services/BusyPointer.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tallyrock {

QWidget* openChartWindow(ChartChoice choice, Store& store, UiServices& services, const ChartAdopter& adopt) {
    QWidget* window = nullptr;
    if (choice == ChartChoice::Trend) window = new TrendChartWindow(store, services, adopt);
    if (choice == ChartChoice::Pie) window = new PieChartWindow(store, services, adopt);
    if (!window) return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (adopt) adopt(window);
    window->show();
    return window;
}

ChartWindowBase::ChartWindowBase(Store& store, UiServices& services, ChartAdopter adopt, ChartChoice other,
                                 double width, double height, QWidget* parent)
    : ToolWindow(store, services, parent), m_canvas(width, height), m_adopt(std::move(adopt)),
      m_other(other) {}

QHBoxLayout* ChartWindowBase::buttonRow(const QString& switchCaption, const QString& switchTip,
                                        const QString& printTip, const QString& doneName) {
    auto* switchButton = chartButton("Command3d1", switchCaption, switchTip, this);
    auto* printbutton = chartButton("Printbutton", "&Print", printTip, this);
    auto* donebutton = chartButton(doneName, "&Done", "Close chart window", this);
    connect(printbutton, &QPushButton::clicked, this, &ChartWindowBase::Printbutton_Click);
    connect(switchButton, &QPushButton::clicked, this, &ChartWindowBase::Command3d1_Click);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(switchButton);
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(donebutton);
    return buttons;
}

void ChartWindowBase::Printbutton_Click() {
    if (m_services.dialogs.messageBox(chartPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    BusyPointer busy(m_services.dialogs);
    printChart();
}

void ChartWindowBase::Command3d1_Click() {
    BusyPointer busy(m_services.dialogs);
    openChartWindow(m_other, m_store, m_services, m_adopt);
    m_switching = true;
    close();
}

void ChartWindowBase::onClosing() {
    // The chart that replaces this one keeps the player.
    if (!m_switching) m_store.CurrentPlayer = 0;
}

} // namespace tallyrock
