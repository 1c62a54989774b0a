#include "NightResultsWindow.h"

#include "print/PrintFonts.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

NightResultsWindow::NightResultsWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "nightform", "Results of a Date") {
    auto* dateLabel = new QLabel("&Date (MM/DD/YY):", this);
    m_dateBox = new QLineEdit(qs(latestRoundDateText(m_store)), this);
    m_dateBox->setObjectName("Datebox");
    dateLabel->setBuddy(m_dateBox);
    QPushButton* showbutton = actionButton("&Show", "Showbutton", &NightResultsWindow::showResults);
    QFont fixed = printFont(m_store.settings.FontName, 9, false);
    m_sheetText = reportSheet("Sheet", fixed, this);
    m_printButton = actionButton("&Print", "Printbutton", &NightResultsWindow::printResults);
    m_printButton->setEnabled(false);
    QPushButton* donebutton = closeButton("D&one", "Donebutton");

    auto* column = new QVBoxLayout(this);
    column->addLayout(rowOf({dateLabel, m_dateBox, showbutton, nullptr}));
    column->addWidget(m_sheetText, 1);
    column->addLayout(rowOf({nullptr, m_printButton, donebutton}));

    connect(m_dateBox, &QLineEdit::returnPressed, this, &NightResultsWindow::showResults);

    int width = QFontMetrics(fixed).horizontalAdvance(QString(100, 'x'));
    resize(width + 40, 520);
    centreBelowMiddle(*this, 100);
    if (!m_dateBox->text().isEmpty()) showResults();
}

void NightResultsWindow::showResults() {
    NightChoice choice = nightResultsOf(m_store, str(m_dateBox->text()));
    m_sheet.reset();
    m_sheetText->clear();
    m_printButton->setEnabled(!choice.refusal);
    if (choice.refusal) {
        m_services.dialogs.messageBox(*choice.refusal);
        return;
    }
    m_sheet = choice.sheet;
    QStringList lines;
    for (const std::string& line : nightSheetLines(m_store, *m_sheet, m_services.clock.today()))
        lines << qs(line);
    m_sheetText->setPlainText(lines.join('\n'));
}

void NightResultsWindow::printResults() {
    if (!m_sheet) return;
    BusyPointer busy(m_services.dialogs);
    printNightResults(m_services.printer, m_store, *m_sheet, m_services.clock.today());
}

} // namespace tallyrock
