#pragma once
// Printer Setup's choice: one of the system's printers, or PDF files.

#include <string>
#include <vector>

namespace tallyrock {

inline constexpr const char* PdfFileChoice = "PDF file";

class PrinterChoice {
  public:
    virtual ~PrinterChoice() = default;
    // The system's printers, the default first.
    virtual std::vector<std::string> printerNames() const = 0;
    // The chosen printer's name, PdfFileChoice, or empty for the default.
    virtual std::string chosenPrinter() const = 0;
    virtual void choosePrinter(const std::string& name) = 0;
};

} // namespace tallyrock
