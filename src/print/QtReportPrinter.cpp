#include "QtReportPrinter.h"

#include "CanvasPainting.h"
#include "PrintFonts.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace tallyrock {
namespace fs = std::filesystem;

namespace {
constexpr double TwipsPerInch = 1440;
constexpr double PdfMarginInches = 0.2;

QPageLayout::Orientation qtOrientation(Orientation o) {
    return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The printable area of a PDF page, in twips, for a job not yet begun.
QSizeF pdfPrintable(Orientation o) {
    QSizeF page = QPageSize(QPageSize::Letter).size(QPageSize::Inch);
    if (o == Orientation::Landscape) page.transpose();
    return (page - QSizeF(2 * PdfMarginInches, 2 * PdfMarginInches)) * TwipsPerInch;
}

QColor qtColor(uint32_t rgb) {
    return QColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
}
} // namespace

QtReportPrinter::QtReportPrinter(fs::path printoutsFolder) : m_folder(std::move(printoutsFolder)) {}

QtReportPrinter::~QtReportPrinter() {
    m_onPdfWritten = nullptr;
    endDoc();
}

std::vector<std::string> QtReportPrinter::printerNames() const {
    std::vector<std::string> names;
    QString standard = QPrinterInfo::defaultPrinterName();
    if (!standard.isEmpty()) names.push_back(standard.toStdString());
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        if (name != standard) names.push_back(name.toStdString());
    return names;
}

fs::path QtReportPrinter::printoutName(const std::string& documentName) const {
    std::string stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd HH.mm.ss").toStdString();
    std::string base = documentName + " " + stamp;
    fs::path name = m_folder / (base + ".pdf");
    for (int n = 2; fs::exists(name); ++n)
        name = m_folder / (base + " (" + std::to_string(n) + ").pdf");
    return name;
}

QPrinterInfo QtReportPrinter::systemPrinter() const {
    if (!m_fixedPdf.empty() || m_choice == PdfFileChoice) return {};
    return m_choice.empty() ? QPrinterInfo::defaultPrinter()
                            : QPrinterInfo::printerInfo(QString::fromStdString(m_choice));
}

std::optional<fs::path> QtReportPrinter::printoutFile(const std::string& documentName) {
    if (!systemPrinter().isNull()) return std::nullopt;
    if (!m_fixedPdf.empty()) return m_fixedPdf;
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    return printoutName(documentName);
}

void QtReportPrinter::beginJob() {
    QPrinterInfo system = systemPrinter();
    if (!system.isNull()) {
        m_printer = std::make_unique<QPrinter>(system, QPrinter::HighResolution);
        m_pdfFile.clear();
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_pdfFile = *printoutFile(m_documentName);
        m_printer->setOutputFileName(QString::fromStdString(m_pdfFile.string()));
        m_printer->setPageSize(QPageSize(QPageSize::Letter));
        m_printer->setPageMargins(
            QMarginsF(PdfMarginInches, PdfMarginInches, PdfMarginInches, PdfMarginInches), QPageLayout::Inch);
    }
    m_printer->setDocName(QString::fromStdString(m_documentName));
    m_printer->setPageOrientation(qtOrientation(m_orientation));
    m_painter.begin(m_printer.get());
}

void QtReportPrinter::setOrientation(Orientation orientation) {
    m_orientation = orientation;
    if (m_printer) m_printer->setPageOrientation(qtOrientation(orientation)); // from the next page on
}

QFont QtReportPrinter::currentFont() const {
    if (!m_font) m_font = printFont(m_fontName, m_fontSize, m_bold);
    return *m_font;
}

double QtReportPrinter::devicePerTwip() const {
    return m_printer ? m_printer->resolution() / TwipsPerInch : 1;
}

QPointF QtReportPrinter::toDevice(double x, double y) const {
    return QPointF(x, y) * devicePerTwip();
}

void QtReportPrinter::print(const std::string& text, bool endLine) {
    if (!m_painter.isActive()) beginJob();
    double height = textHeight();
    // A line that would run past the bottom of the page goes to the next page.
    if (m_y > 0 && m_y + height > pageHeight()) newPage();
    QFont font = currentFont();
    m_painter.setFont(font);
    m_painter.setPen(qtColor(m_textColor));
    QFontMetricsF metrics(font, m_printer.get());
    QString line = QString::fromStdString(text);
    m_painter.drawText(toDevice(m_x, m_y) + QPointF(0, metrics.ascent()), line);
    if (endLine) {
        m_x = 0;
        m_y += height;
    } else {
        m_x += metrics.horizontalAdvance(line) / devicePerTwip();
    }
}

void QtReportPrinter::drawLine(double x1, double y1, double x2, double y2) {
    if (!m_painter.isActive()) beginJob();
    QPen pen(qtColor(m_textColor)); // the printer's one drawing colour, as for text
    pen.setWidthF(std::max(1, m_lineWidth) * TwipsPerPixel * devicePerTwip());
    m_painter.setPen(pen);
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
    m_x = x2;
    m_y = y2;
}

void QtReportPrinter::drawPicture(const Canvas& picture, double x, double y, double width, double height) {
    if (!m_painter.isActive()) beginJob();
    paintCanvas(m_painter, picture, QRectF(toDevice(x, y), toDevice(x + width, y + height)));
}

void QtReportPrinter::newPage() {
    if (!m_painter.isActive()) beginJob();
    m_printer->newPage();
    m_x = m_y = 0;
}

void QtReportPrinter::endDoc() {
    m_x = m_y = 0;
    if (!m_painter.isActive()) return;
    m_painter.end();
    m_printer.reset();
    if (!m_pdfFile.empty() && m_onPdfWritten) m_onPdfWritten(m_pdfFile);
}

double QtReportPrinter::pageWidth() const {
    if (!m_printer) return pdfPrintable(m_orientation).width();
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).width() / devicePerTwip();
}

double QtReportPrinter::pageHeight() const {
    if (!m_printer) return pdfPrintable(m_orientation).height();
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height() / devicePerTwip();
}

double QtReportPrinter::textWidth(const std::string& text) const {
    QFontMetricsF metrics =
        m_printer ? QFontMetricsF(currentFont(), m_printer.get()) : QFontMetricsF(currentFont());
    double perTwip = m_printer ? devicePerTwip() : metrics.fontDpi() / TwipsPerInch;
    return metrics.horizontalAdvance(QString::fromStdString(text)) / perTwip;
}

double QtReportPrinter::textHeight() const {
    QFontMetricsF metrics =
        m_printer ? QFontMetricsF(currentFont(), m_printer.get()) : QFontMetricsF(currentFont());
    double perTwip = m_printer ? devicePerTwip() : metrics.fontDpi() / TwipsPerInch;
    return metrics.lineSpacing() / perTwip;
}

} // namespace tallyrock
