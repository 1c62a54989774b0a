#pragma once
// Helpers every printed report shares.

#include "ReportPrinter.h"

namespace tallyrock {

// Starts a print job on the chosen printer with a line holding one space.
void SelectReportPrinter(ReportPrinter& printer);

} // namespace tallyrock
