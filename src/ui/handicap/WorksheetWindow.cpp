#include "WorksheetWindow.h"

#include "utilities/ScreenPlacement.h"

#include "print/PrintFonts.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "views/Worksheet.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyrock {

namespace {

QString joined(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += qs(line) + "\n";
    return text;
}

} // namespace

WorksheetWindow::WorksheetWindow(Store& store, UiServices& services, int p, std::optional<Date> asOf,
                                 QWidget* parent)
    : ToolWindow(store, services, parent, "Worksheetform", "Handicap Worksheet") {
    m_Playercombo = new QComboBox(this);
    m_Playercombo->setObjectName("Playercombo");
    const int count = std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers);
    for (int i = 1; i <= count; ++i)
        m_Playercombo->addItem(qs(store.player(i).PlayerName), i);
    m_Playercombo->setCurrentIndex(p >= 1 && p <= count ? p - 1 : 0);

    const Date date = asOf.value_or(services.clock.today());
    m_Asofdate = new QDateEdit(QDate(date.year, date.month, date.day), this);
    m_Asofdate->setObjectName("Asofdate");
    m_Asofdate->setDisplayFormat("MM/dd/yyyy");
    m_Asofdate->setCalendarPopup(true);

    QFont font = printFont(store.settings.FontName, 9, false);
    m_Worksheettext = reportSheet("Worksheettext", font, this);
    QFontMetrics metrics(font);
    // A printed page's width of text (96 characters) and the scroll bar.
    m_Worksheettext->setMinimumSize(metrics.horizontalAdvance(QString(100, 'M')), metrics.lineSpacing() * 36);

    QPushButton* printbutton = actionButton("&Print", "Printbutton", &WorksheetWindow::Printbutton_Click);
    QPushButton* copybutton = actionButton("&Copy", "Copybutton", &WorksheetWindow::Copybutton_Click);
    QPushButton* donebutton = closeButton("&Done", "Donebutton");

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Player", this));
    choices->addWidget(m_Playercombo, 1);
    choices->addSpacing(16);
    choices->addWidget(new QLabel("Index as of", this));
    choices->addWidget(m_Asofdate);
    auto* column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addWidget(m_Worksheettext, 1);
    column->addLayout(rowOf({nullptr, printbutton, copybutton, donebutton}));

    connect(m_Playercombo, &QComboBox::currentIndexChanged, this, &WorksheetWindow::showWorksheet);
    connect(m_Asofdate, &QDateEdit::dateChanged, this, &WorksheetWindow::showWorksheet);
    showWorksheet();
    centreBelowMiddle(*this, 100);
}

int WorksheetWindow::chosenPlayer() const {
    return m_Playercombo->currentData().toInt();
}

Date WorksheetWindow::chosenDate() const {
    QDate d = m_Asofdate->date();
    return {d.month(), d.day(), d.year()};
}

void WorksheetWindow::showWorksheet() {
    if (chosenPlayer() == 0) {
        m_Worksheettext->setPlainText("This league has no players.");
        return;
    }
    m_Worksheettext->setPlainText(
        joined(worksheetLines(buildWorksheet(m_store, chosenPlayer(), chosenDate()))));
}

void WorksheetWindow::Printbutton_Click() {
    if (chosenPlayer() == 0) return;
    BusyPointer busy(m_services.dialogs);
    printWorksheets(m_services.printer, m_store, {chosenPlayer()}, chosenDate(), m_services.clock.today());
}

void WorksheetWindow::Copybutton_Click() {
    QApplication::clipboard()->setText(m_Worksheettext->toPlainText());
}

} // namespace tallyrock
