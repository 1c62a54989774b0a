#include "CompareChartWindow.h"

#include "ChartWidgets.h"
#include "charts/CompareChart.h"
#include "handicap/WhsEngine.h"
#include "print/PrintFonts.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tallyrock {

CompareChartWindow::CompareChartWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "compareform", "Tallyrock") {
    // The list and its scale header share one fixed-pitch font, so the stars line up under the labels.
    QFont fixed = printFont("Courier New", 10, false);
    QLabel* panel = captionPanel("Panel3D2", this, "Handicap");
    panel->setAlignment(Qt::AlignCenter);
    auto* headerLeft = new QLabel(CompareHeaderLeft, this);
    headerLeft->setObjectName("Label1_0");
    auto* headerRight = new QLabel(CompareHeaderRight, this);
    headerRight->setObjectName("Label1_1");
    m_compareList = new QListWidget(this);
    m_compareList->setObjectName("List1");
    m_compareList->setStyleSheet("QListWidget::item { padding: 0px; margin: 0px; }");
    for (QWidget* w : {static_cast<QWidget*>(headerLeft), static_cast<QWidget*>(headerRight),
                       static_cast<QWidget*>(m_compareList)})
        w->setFont(fixed);
    // The labels start where the list's text starts, one column on, so each label ends over its star column.
    int textStart =
        m_compareList->frameWidth() +
        m_compareList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_compareList) + 1;
    for (QLabel* header : {headerLeft, headerRight})
        header->setIndent(textStart + QFontMetrics(fixed).horizontalAdvance(' '));
    QPushButton* printbutton =
        actionButton("&Print", "Command3d1", &CompareChartWindow::printList, "Print listing");
    QPushButton* donebutton = closeButton("&Done", "Donebutton", "Close handicap window");

    // The right part of the header continues the left part: both sit in one place.
    auto* header = new QGridLayout;
    header->addWidget(headerLeft, 0, 0);
    header->addWidget(headerRight, 0, 0);
    auto* column = new QVBoxLayout(this);
    column->addWidget(panel);
    column->addLayout(header);
    column->addWidget(m_compareList, 1);
    column->addLayout(rowOf({nullptr, printbutton, donebutton}));

    m_lines = compareLines(m_store.league, whsMethod(m_store.settings));
    for (const std::string& line : m_lines)
        m_compareList->addItem(qs(line));
    int width = QFontMetrics(fixed).horizontalAdvance(QString(80, 'x'));
    resize(width + 2 * m_compareList->frameWidth() + 40, 480);
    centreBelowMiddle(*this, 100);
}

void CompareChartWindow::printList() {
    if (m_services.dialogs.messageBox(compareListPrintQuestion(), Buttons::OkCancel) != Answer::Ok) return;
    BusyPointer busy(m_services.dialogs);
    printCompareList(m_services.printer, m_lines, m_store.settings.FontName, m_services.clock.today());
}

} // namespace tallyrock
