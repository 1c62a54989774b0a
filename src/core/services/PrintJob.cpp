#include "PrintJob.h"

namespace tallyrock {

void SelectReportPrinter(ReportPrinter& printer) {
    printer.print(" ");
}

} // namespace tallyrock
