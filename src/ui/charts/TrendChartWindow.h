#pragma once
// The trend graph window (GRform, "Handicap Differential and Index Trend"):
// CurrentPlayer's differentials and indexes over the fixed grid, printable,
// with a switch to the pie chart.

#include "ChartWindows.h"
#include "charts/TrendChart.h"
#include "services/QtCanvas.h"

#include <QWidget>

class QLabel;

namespace tallyrock {

class TrendChartWindow : public QWidget {
    Q_OBJECT
  public:
    TrendChartWindow(Store& store, UiServices& services, ChartAdopter adopt = {}, QWidget* parent = nullptr);

    const QtCanvas& canvas() const { return m_canvas; }

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Printbutton_Click();
    void Command3d1_Click();
    void Donebutton_Click();

    Store& m_store;
    UiServices& m_services;
    ChartAdopter m_adopt;
    QtCanvas m_canvas{TrendWidth, TrendHeight};
    TrendCaptions m_captions;
    bool m_switching = false;
    bool m_closed = false;
};

} // namespace tallyrock
