#pragma once
// Printing to a PDF file through the PDF module, which the tool opens only
// here: the desktop program's Qt printer, so the tool itself links no Qt.

#include "CliContext.h"
#include "services/ReportPrinter.h"

#include <filesystem>
#include <functional>

namespace tallyrock::cli {

// Prints into `file`; refuses when the module cannot be loaded or the file was not written.
void printToPdf(CliContext& ctx, const std::filesystem::path& file,
                const std::function<void(ReportPrinter&)>& print);

} // namespace tallyrock::cli
