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
                                 const QString& objectName, const QString& title, double width, double height,
                                 QWidget* parent)
    : ToolWindow(store, services, parent, objectName, title), m_canvas(width, height),
      m_adopt(std::move(adopt)), m_other(other) {}

QHBoxLayout* ChartWindowBase::buttonRow(const QString& switchCaption, const QString& switchTip,
                                        const QString& printTip, const QString& doneName) {
    QPushButton* switchButton =
        actionButton(switchCaption, "Command3d1", &ChartWindowBase::switchChart, switchTip);
    QPushButton* printbutton =
        actionButton("&Print", "Printbutton", &ChartWindowBase::confirmAndPrint, printTip);
    QPushButton* donebutton = closeButton("&Done", doneName, "Close chart window");
    return rowOf({switchButton, nullptr, printbutton, donebutton});
}

void ChartWindowBase::confirmAndPrint() {
    if (m_services.dialogs.messageBox(chartPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    BusyPointer busy(m_services.dialogs);
    printChart();
}

void ChartWindowBase::switchChart() {
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
