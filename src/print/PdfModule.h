#pragma once
// The entry points of the PDF module (tallyrock_pdf.so), which tallyrock-cli
// opens at run time for --pdf: the desktop program's Qt printer writing one PDF
// file, under a QGuiApplication on the offscreen platform. The tool itself
// links no Qt; it prints through the returned ReportPrinter interface.

#include "services/ReportPrinter.h"

extern "C" {

// Starts Qt and returns a printer whose every job is written to `pdfFile`
// (`printoutsFolder` as the desktop program's printer has it).
using TallyrockPdfBegin = tallyrock::ReportPrinter* (*)(const char* printoutsFolder, const char* pdfFile);
// Ends the document (when not ended yet), frees the printer and closes Qt.
using TallyrockPdfEnd = void (*)(tallyrock::ReportPrinter* printer);

} // extern "C"

namespace tallyrock {
inline constexpr const char* PdfModuleFile = "tallyrock_pdf.so";
inline constexpr const char* PdfBeginSymbol = "tallyrock_pdf_begin";
inline constexpr const char* PdfEndSymbol = "tallyrock_pdf_end";
} // namespace tallyrock
