#pragma once
// The chart player chooser (ANchooseplayer, "Select Player"): the player to
// chart, then the trend graph or the pie chart as ChartKind asks.

#include "ChartWindows.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace tallyrock {

class ChartChooserWindow : public QWidget {
    Q_OBJECT
  public:
    ChartChooserWindow(Store& store, UiServices& services, ChartAdopter adopt = {},
                       QWidget* parent = nullptr);

  signals:
    // The chooser has closed, cancelled or after opening its chart.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void acceptbutton_Click();
    void exitbutton_Click();

    Store& m_store;
    UiServices& m_services;
    ChartAdopter m_adopt;
    bool m_closed = false;
    QListWidget* m_List1 = nullptr;
};

} // namespace tallyrock
