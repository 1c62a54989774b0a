#pragma once
// The pie chart window (Piechart, "Individual Scoring Averages"): how
// CurrentPlayer's hole scores fall against par, printable, with a switch back
// to the trend graph.

#include "ChartWindows.h"
#include "charts/PieChart.h"

namespace tallyrock {

class PieChartWindow : public ChartWindowBase {
    Q_OBJECT
  public:
    PieChartWindow(Store& store, UiServices& services, ChartAdopter adopt = {}, QWidget* parent = nullptr);

  private:
    void printChart() override;

    PieCaptions m_captions;
};

} // namespace tallyrock
