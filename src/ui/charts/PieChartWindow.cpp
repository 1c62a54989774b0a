#include "PieChartWindow.h"

#include "ChartWidgets.h"
#include "services/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tallyrock {

PieChartWindow::PieChartWindow(Store& store, UiServices& services, ChartAdopter adopt, QWidget* parent)
    : ChartWindowBase(store, services, std::move(adopt), ChartChoice::Trend, "Piechart",
                      "Individual Scoring Averages", PieWidth, PieHeight, parent) {
    QLabel* picture = chartPicture("P", m_canvas, this);
    QLabel* namelabel = captionPanel("Namelabel", this);
    QLabel* aveparlabel = captionPanel("aveparlabel", this);
    QLabel* aveholelabel = captionPanel("aveholelabel", this);
    QLabel* totalholeslabel = captionPanel("totalholeslabel", this);
    QHBoxLayout* buttons = buttonRow("Hcp. Chart", "Show Handicap Chart", "Print Chart", "closebutton");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(picture);
    for (QLabel* label : {namelabel, aveparlabel, aveholelabel, totalholeslabel})
        column->addWidget(label);
    column->addLayout(buttons);

    placeBelowMiddle();
    int p = m_store.CurrentPlayer;
    ScoreCounts counts = countScores(m_store, p);
    DrawPie(m_canvas, pieSlices(counts));
    picture->setPixmap(m_canvas.pixmap());
    m_captions = pieCaptions(m_store.player(p), counts);
    namelabel->setText(qs(m_captions.name));
    aveparlabel->setText(qs(m_captions.averagePar));
    aveholelabel->setText(qs(m_captions.averageScore));
    totalholeslabel->setText(qs(m_captions.scoresCounted));
}

void PieChartWindow::printChart() {
    printPieChart(m_services.printer, m_canvas, m_captions, m_store.settings.FontName,
                  m_services.clock.today());
}

} // namespace tallyrock
