#pragma once
// The trend graph window (GRform, "Handicap Differential and Index Trend"):
// CurrentPlayer's differentials and indexes over the fixed grid, printable,
// with a switch to the pie chart.

#include "ChartWindows.h"
#include "charts/TrendChart.h"

namespace tallyrock {

class TrendChartWindow : public ChartWindowBase {
    Q_OBJECT
  public:
    TrendChartWindow(Store& store, UiServices& services, ChartAdopter adopt = {}, QWidget* parent = nullptr);

  private:
    void printChart() override;

    TrendCaptions m_captions;
};

} // namespace tallyrock
