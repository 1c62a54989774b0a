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
    m_Datebox = new QLineEdit(qs(latestRoundDateText(m_store)), this);
    m_Datebox->setObjectName("Datebox");
    dateLabel->setBuddy(m_Datebox);
    QPushButton* showbutton = actionButton("&Show", "Showbutton", &NightResultsWindow::Showbutton_Click);
    QFont fixed = printFont(m_store.settings.FontName, 9, false);
    m_Sheet = reportSheet("Sheet", fixed, this);
    m_Printbutton = actionButton("&Print", "Printbutton", &NightResultsWindow::Printbutton_Click);
    m_Printbutton->setEnabled(false);
    QPushButton* donebutton = closeButton("D&one", "Donebutton");

    auto* column = new QVBoxLayout(this);
    column->addLayout(rowOf({dateLabel, m_Datebox, showbutton, nullptr}));
    column->addWidget(m_Sheet, 1);
    column->addLayout(rowOf({nullptr, m_Printbutton, donebutton}));

    connect(m_Datebox, &QLineEdit::returnPressed, this, &NightResultsWindow::Showbutton_Click);

    int width = QFontMetrics(fixed).horizontalAdvance(QString(100, 'x'));
    resize(width + 40, 520);
    centreBelowMiddle(*this, 100);
    if (!m_Datebox->text().isEmpty()) Showbutton_Click();
}

void NightResultsWindow::Showbutton_Click() {
    NightChoice choice = nightResultsOf(m_store, str(m_Datebox->text()));
    m_sheet.reset();
    m_Sheet->clear();
    m_Printbutton->setEnabled(!choice.refusal);
    if (choice.refusal) {
        m_services.dialogs.messageBox(*choice.refusal);
        return;
    }
    m_sheet = choice.sheet;
    QStringList lines;
    for (const std::string& line : nightSheetLines(m_store, *m_sheet, m_services.clock.today()))
        lines << qs(line);
    m_Sheet->setPlainText(lines.join('\n'));
}

void NightResultsWindow::Printbutton_Click() {
    if (!m_sheet) return;
    BusyPointer busy(m_services.dialogs);
    printNightResults(m_services.printer, m_store, *m_sheet, m_services.clock.today());
}

} // namespace tallyrock
