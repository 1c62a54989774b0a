#include "TrendChartWindow.h"

#include "ChartWidgets.h"
#include "handicap/WhsEngine.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tallyrock {

TrendChartWindow::TrendChartWindow(Store& store, UiServices& services, ChartAdopter adopt, QWidget* parent)
    : ChartWindowBase(store, services, std::move(adopt), ChartChoice::Pie, "GRform",
                      "Handicap Differential and Index Trend", TrendWidth, TrendHeight, parent) {
    QLabel* picture = chartPicture("Picture1", m_canvas, this);
    QLabel* lab3 = captionPanel("Lab3", this);
    QLabel* differential = captionPanel("Lab2_1", this, "Handicap Differential");
    QLabel* index = captionPanel("Lab2_2", this, "Handicap Index");
    QLabel* rounds = captionPanel("Lab2_3", this, "Rounds played");
    QLabel* current = captionPanel("Lab2_4", this, "Current Handicap Index");
    QHBoxLayout* buttons = buttonRow("Scoring avg.", "Show Scoring Chart", "Print chart", "Donebutton");

    auto* legend = new QGridLayout;
    legend->addWidget(legendMark("Line1_0", rgbColor(192, 0, 0), this), 0, 0);
    legend->addWidget(differential, 0, 1);
    // The index series is drawn in black.
    legend->addWidget(legendMark("Line1_1", BlackColor, this), 1, 0);
    legend->addWidget(index, 1, 1);
    legend->addWidget(rounds, 0, 2);
    legend->addWidget(current, 1, 2);
    legend->setColumnStretch(2, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 6, 4, 4);
    column->addWidget(picture);
    column->addWidget(lab3);
    column->addLayout(legend);
    column->addLayout(buttons);

    adjustSize();
    centreBelowMiddle(*this, 0);
    const PlayerRecord& player = m_store.player(m_store.CurrentPlayer);
    drawTrendChart(m_canvas, player);
    picture->setPixmap(m_canvas.pixmap());
    m_captions = trendCaptions(player, whsMethod(m_store.settings));
    rounds->setText(qs(m_captions.rounds));
    current->setText(qs(m_captions.index));
    lab3->setText(qs(m_captions.name));
}

void TrendChartWindow::printChart() {
    printTrendChart(m_services.printer, m_canvas, m_captions, m_store.settings.FontName,
                    m_services.clock.today());
}

} // namespace tallyrock
