#pragma once
// The pie chart window (Piechart, "Individual Scoring Averages"): how
// CurrentPlayer's hole scores fall against par, printable, with a switch back
// to the trend graph.

#include "ChartWindows.h"
#include "charts/PieChart.h"
#include "services/QtCanvas.h"

#include <QWidget>

namespace tallyrock {

class PieChartWindow : public QWidget {
    Q_OBJECT
  public:
    PieChartWindow(Store& store, UiServices& services, ChartAdopter adopt = {}, QWidget* parent = nullptr);

    const QtCanvas& canvas() const { return m_canvas; }

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Printbutton_Click();
    void Command3d1_Click();
    void closebutton_Click();

    Store& m_store;
    UiServices& m_services;
    ChartAdopter m_adopt;
    QtCanvas m_canvas{PieWidth, PieHeight};
    PieCaptions m_captions;
    bool m_switching = false;
    bool m_closed = false;
};

} // namespace tallyrock
