#include "PieChartWindow.h"

#include "ChartWidgets.h"
#include "charts/TrendChart.h"
#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

PieChartWindow::PieChartWindow(Store& store, UiServices& services, ChartAdopter adopt, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services), m_adopt(std::move(adopt)) {
    setObjectName("Piechart");
    setWindowTitle("Individual Scoring Averages");

    QLabel* picture = chartPicture("P", m_canvas, this);
    QLabel* namelabel = captionPanel("Namelabel", this);
    QLabel* aveparlabel = captionPanel("aveparlabel", this);
    QLabel* aveholelabel = captionPanel("aveholelabel", this);
    QLabel* totalholeslabel = captionPanel("totalholeslabel", this);
    auto* switchButton = chartButton("Command3d1", "Hcp. Chart", "Show Handicap Chart", this);
    auto* printbutton = chartButton("Printbutton", "&Print", "Print Chart", this);
    auto* closebutton = chartButton("closebutton", "&Done", "Close chart window", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(switchButton);
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(closebutton);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(picture);
    for (QLabel* label : {namelabel, aveparlabel, aveholelabel, totalholeslabel})
        column->addWidget(label);
    column->addLayout(buttons);

    connect(printbutton, &QPushButton::clicked, this, &PieChartWindow::Printbutton_Click);
    connect(switchButton, &QPushButton::clicked, this, &PieChartWindow::Command3d1_Click);
    connect(closebutton, &QPushButton::clicked, this, &PieChartWindow::closebutton_Click);

    adjustSize();
    centreBelowMiddle(*this, 90);
    int p = m_store.CurrentPlayer;
    ScoreCounts counts = countScores(m_store, p);
    DrawPie(m_canvas, pieSlices(counts));
    picture->setPixmap(m_canvas.pixmap());
    m_captions = pieCaptions(m_store.player(p), counts);
    namelabel->setText(QString::fromStdString(m_captions.name));
    aveparlabel->setText(QString::fromStdString(m_captions.averagePar));
    aveholelabel->setText(QString::fromStdString(m_captions.averageScore));
    totalholeslabel->setText(QString::fromStdString(m_captions.scoresCounted));
}

void PieChartWindow::Printbutton_Click() {
    if (m_services.dialogs.messageBox(chartPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    m_services.dialogs.setBusy(true);
    printPieChart(m_services.printer, m_canvas, m_captions, m_store.settings.FontName,
                  m_services.clock.today());
    m_services.dialogs.setBusy(false);
}

void PieChartWindow::Command3d1_Click() {
    m_services.dialogs.setBusy(true);
    openChartWindow(ChartChoice::Trend, m_store, m_services, m_adopt);
    m_switching = true;
    close();
    m_services.dialogs.setBusy(false);
}

void PieChartWindow::closebutton_Click() {
    close();
}

void PieChartWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        // The chart that replaces this one keeps the player.
        if (!m_switching) m_store.CurrentPlayer = 0;
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
