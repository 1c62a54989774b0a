#pragma once
// Printer Setup: choose among the system's printers and "PDF file". A cancel
// keeps the choice; without a printer choice (tests) nothing is shown.

#include "UiServices.h"

namespace tallyrock {

void showPrinterSetup(UiServices& services);

} // namespace tallyrock
