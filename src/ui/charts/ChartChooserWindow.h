#pragma once
// The chart player chooser (ANchooseplayer, "Select Player"): the player to
// chart, then the trend graph or the pie chart as ChartKind asks.

#include "ChartWindows.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace tallyrock {

class ChartChooserWindow : public ToolWindow {
    Q_OBJECT
  public:
    ChartChooserWindow(Store& store, UiServices& services, ChartAdopter adopt = {},
                       QWidget* parent = nullptr);

  private:
    void openChart();
    void cancelChoice();

    ChartAdopter m_adopt;
    QListWidget* m_playerList = nullptr;
};

} // namespace tallyrock
