// The PDF module of tallyrock-cli: see PdfModule.h.
#include "PdfModule.h"

#include "QtReportPrinter.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <type_traits>

namespace {

// Qt's notes (fonts, runtime folders) are not the tool's output.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
}

int argCount = 1;
char programName[] = "tallyrock-cli";
char* arguments[] = {programName, nullptr};

std::unique_ptr<QGuiApplication> application;

} // namespace

extern "C" {

__attribute__((visibility("default"))) tallyrock::ReportPrinter*
tallyrock_pdf_begin(const char* printoutsFolder, const char* pdfFile) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // never a display
    qInstallMessageHandler(quietQt);
    if (!application) application = std::make_unique<QGuiApplication>(argCount, arguments);
    auto* printer = new tallyrock::QtReportPrinter(printoutsFolder);
    printer->setPdfFile(pdfFile);
    return printer;
}

__attribute__((visibility("default"))) void tallyrock_pdf_end(tallyrock::ReportPrinter* printer) {
    delete printer; // its destructor ends a document not ended yet
    application.reset();
}

} // extern "C"

// The tool looks the entry points up by these names and types.
static_assert(std::is_same_v<decltype(&tallyrock_pdf_begin), TallyrockPdfBegin>);
static_assert(std::is_same_v<decltype(&tallyrock_pdf_end), TallyrockPdfEnd>);
