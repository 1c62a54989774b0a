#include "ChartPage.h"

#include "services/PrintJob.h"
#include "store/NumberText.h"

namespace tallyrock {

const std::string CaptionGap(15, ' ');

void startChartPage(ReportPrinter& printer, const std::string& documentName, const Canvas& picture,
                    double heightDivisor) {
    printer.setDocumentName(documentName);
    SelectReportPrinter(printer);
    const double W = printer.pageWidth(), H = printer.pageHeight();
    printer.drawPicture(picture, W / 20, H / 10, W / 1.1, H / heightDivisor);
}

void finishChartPage(ReportPrinter& printer, const Date& today) {
    printer.setCurrentX(0.85 * printer.pageWidth());
    printer.setCurrentY(0.9 * printer.pageHeight());
    printer.setFontSize(9);
    printer.print(dashedDate(today));
    printer.endDoc();
}

} // namespace tallyrock
