#include "TrendChartWindow.h"

#include "ChartWidgets.h"
#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

TrendChartWindow::TrendChartWindow(Store& store, UiServices& services, ChartAdopter adopt, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services), m_adopt(std::move(adopt)) {
    setObjectName("GRform");
    setWindowTitle("Handicap Differential and Index Trend");

    QLabel* picture = chartPicture("Picture1", m_canvas, this);
    QLabel* lab3 = captionPanel("Lab3", this);
    QLabel* differential = captionPanel("Lab2_1", this, "Handicap Differential");
    QLabel* index = captionPanel("Lab2_2", this, "Handicap Index");
    QLabel* rounds = captionPanel("Lab2_3", this, "Rounds played");
    QLabel* current = captionPanel("Lab2_4", this, "Current Handicap Index");
    auto* switchButton = chartButton("Command3d1", "Scoring avg.", "Show Scoring Chart", this);
    auto* printbutton = chartButton("Printbutton", "&Print", "Print chart", this);
    auto* donebutton = chartButton("Donebutton", "&Done", "Close chart window", this);

    auto* legend = new QGridLayout;
    legend->addWidget(legendMark("Line1_0", rgbColor(192, 0, 0), this), 0, 0);
    legend->addWidget(differential, 0, 1);
    // The index series is drawn in black.
    legend->addWidget(legendMark("Line1_1", BlackColor, this), 1, 0);
    legend->addWidget(index, 1, 1);
    legend->addWidget(rounds, 0, 2);
    legend->addWidget(current, 1, 2);
    legend->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(switchButton);
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(donebutton);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 6, 4, 4);
    column->addWidget(picture);
    column->addWidget(lab3);
    column->addLayout(legend);
    column->addLayout(buttons);

    connect(printbutton, &QPushButton::clicked, this, &TrendChartWindow::Printbutton_Click);
    connect(switchButton, &QPushButton::clicked, this, &TrendChartWindow::Command3d1_Click);
    connect(donebutton, &QPushButton::clicked, this, &TrendChartWindow::Donebutton_Click);

    adjustSize();
    centreBelowMiddle(*this, 0);
    const PlayerRecord& player = m_store.player(m_store.CurrentPlayer);
    drawTrendChart(m_canvas, player);
    picture->setPixmap(m_canvas.pixmap());
    m_captions = trendCaptions(player);
    rounds->setText(QString::fromStdString(m_captions.rounds));
    current->setText(QString::fromStdString(m_captions.index));
    lab3->setText(QString::fromStdString(m_captions.name));
}

void TrendChartWindow::Printbutton_Click() {
    if (m_services.dialogs.messageBox(chartPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    m_services.dialogs.setBusy(true);
    printTrendChart(m_services.printer, m_canvas, m_captions, m_store.settings.FontName,
                    m_services.clock.today());
    m_services.dialogs.setBusy(false);
}

void TrendChartWindow::Command3d1_Click() {
    m_services.dialogs.setBusy(true);
    openChartWindow(ChartChoice::Pie, m_store, m_services, m_adopt);
    m_switching = true;
    close();
    m_services.dialogs.setBusy(false);
}

void TrendChartWindow::Donebutton_Click() {
    close();
}

void TrendChartWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        // The chart that replaces this one keeps the player.
        if (!m_switching) m_store.CurrentPlayer = 0;
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
