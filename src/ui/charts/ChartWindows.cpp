#include "ChartWindows.h"

#include "PieChartWindow.h"
#include "TrendChartWindow.h"

#include <QWidget>

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

} // namespace tallyrock
