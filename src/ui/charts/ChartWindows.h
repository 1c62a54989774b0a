#pragma once
// Opening a chart window from the chooser or from the other chart window.

#include "charts/ChartChooser.h"
#include "services/UiServices.h"
#include "store/Store.h"

#include <functional>

class QWidget;

namespace tallyrock {

// Told of every chart window opened, before the window that opened it closes,
// so the main window can stay disabled until the last chart is closed.
using ChartAdopter = std::function<void(QWidget*)>;

// Opens the trend graph or the pie chart for CurrentPlayer: shown, deleted
// when closed, and handed to `adopt` first. Nothing opens for ChartChoice::None.
QWidget* openChartWindow(ChartChoice choice, Store& store, UiServices& services, const ChartAdopter& adopt);

} // namespace tallyrock
