#pragma once
// Opening a chart window from the chooser or from the other chart window, and
// what the trend graph and pie chart windows share.

#include "charts/ChartChooser.h"
#include "services/QtCanvas.h"
#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

#include <functional>

class QHBoxLayout;

namespace tallyrock {

// Told of every chart window opened, before the window that opened it closes,
// so the main window can stay disabled until the last chart is closed.
using ChartAdopter = std::function<void(QWidget*)>;

// Opens the trend graph or the pie chart for CurrentPlayer: shown, deleted
// when closed, and handed to `adopt` first. Nothing opens for ChartChoice::None.
QWidget* openChartWindow(ChartChoice choice, Store& store, UiServices& services, const ChartAdopter& adopt);

// A chart window for CurrentPlayer with a switch to the other chart, a print
// button and a done button. Closing resets CurrentPlayer, unless the other
// chart has taken over.
class ChartWindowBase : public ToolWindow {
    Q_OBJECT
  public:
    const QtCanvas& canvas() const { return m_canvas; }

  protected:
    // `other` is the chart the switch opens; the canvas size is in twips.
    ChartWindowBase(Store& store, UiServices& services, ChartAdopter adopt, ChartChoice other,
                    const QString& objectName, const QString& title, double width, double height,
                    QWidget* parent);

    // The switch, the print button and the done button, connected, in a row.
    QHBoxLayout* buttonRow(const QString& switchCaption, const QString& switchTip, const QString& printTip,
                           const QString& doneName);
    // Prints the chart once the user has agreed; the hourglass is already on.
    virtual void printChart() = 0;
    void onClosing() override;

    QtCanvas m_canvas;

  private:
    void confirmAndPrint();
    void switchChart();

    ChartAdopter m_adopt;
    ChartChoice m_other;
    bool m_switching = false;
};

} // namespace tallyrock
