#pragma once
// The services every window is given: dialogs, the report printer, the clock
// and Printer Setup's choice (none in tests).

#include "services/Clock.h"
#include "services/Dialogs.h"
#include "services/ReportPrinter.h"

namespace tallyrock {

class PrinterChoice;

struct UiServices {
    Dialogs& dialogs;
    ReportPrinter& printer;
    const Clock& clock;
    PrinterChoice* printerChoice = nullptr;
};

} // namespace tallyrock
