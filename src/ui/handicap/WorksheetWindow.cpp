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
    m_playerCombo = new QComboBox(this);
    m_playerCombo->setObjectName("Playercombo");
    const int count = std::clamp<int>(store.league.PlayerCount, 0, MaxPlayers);
    for (int i = 1; i <= count; ++i)
        m_playerCombo->addItem(qs(store.player(i).PlayerName), i);
    m_playerCombo->setCurrentIndex(p >= 1 && p <= count ? p - 1 : 0);

    const Date date = asOf.value_or(services.clock.today());
    m_asOfDate = new QDateEdit(QDate(date.year, date.month, date.day), this);
    m_asOfDate->setObjectName("Asofdate");
    m_asOfDate->setDisplayFormat("MM/dd/yyyy");
    m_asOfDate->setCalendarPopup(true);

    QFont font = printFont(store.settings.FontName, 9, false);
    m_worksheetText = reportSheet("Worksheettext", font, this);
    QFontMetrics metrics(font);
    // A printed page's width of text (96 characters) and the scroll bar.
    m_worksheetText->setMinimumSize(metrics.horizontalAdvance(QString(100, 'M')), metrics.lineSpacing() * 36);

    QPushButton* printbutton = actionButton("&Print", "Printbutton", &WorksheetWindow::printWorksheet);
    QPushButton* copybutton = actionButton("&Copy", "Copybutton", &WorksheetWindow::copyWorksheet);
    QPushButton* donebutton = closeButton("&Done", "Donebutton");

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Player", this));
    choices->addWidget(m_playerCombo, 1);
    choices->addSpacing(16);
    choices->addWidget(new QLabel("Index as of", this));
    choices->addWidget(m_asOfDate);
    auto* column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addWidget(m_worksheetText, 1);
    column->addLayout(rowOf({nullptr, printbutton, copybutton, donebutton}));

    connect(m_playerCombo, &QComboBox::currentIndexChanged, this, &WorksheetWindow::showWorksheet);
    connect(m_asOfDate, &QDateEdit::dateChanged, this, &WorksheetWindow::showWorksheet);
    showWorksheet();
    centreBelowMiddle(*this, 100);
}

int WorksheetWindow::chosenPlayer() const {
    return m_playerCombo->currentData().toInt();
}

Date WorksheetWindow::chosenDate() const {
    QDate d = m_asOfDate->date();
    return {d.month(), d.day(), d.year()};
}

void WorksheetWindow::showWorksheet() {
    if (chosenPlayer() == 0) {
        m_worksheetText->setPlainText("This league has no players.");
        return;
    }
    m_worksheetText->setPlainText(
        joined(worksheetLines(buildWorksheet(m_store, chosenPlayer(), chosenDate()))));
}

void WorksheetWindow::printWorksheet() {
    if (chosenPlayer() == 0) return;
    BusyPointer busy(m_services.dialogs);
    printWorksheets(m_services.printer, m_store, {chosenPlayer()}, chosenDate(), m_services.clock.today());
}

void WorksheetWindow::copyWorksheet() {
    QApplication::clipboard()->setText(m_worksheetText->toPlainText());
}

} // namespace tallyrock
