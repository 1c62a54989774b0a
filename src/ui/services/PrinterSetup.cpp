#include "PrinterSetup.h"

#include "print/PrinterChoice.h"

namespace tallyrock {

void showPrinterSetup(UiServices& services) {
    PrinterChoice* choice = services.printerChoice;
    if (!choice) return;
    std::vector<std::string> names = choice->printerNames();
    names.push_back(PdfFileChoice);
    std::string current = choice->chosenPrinter();
    if (current.empty()) current = names.front(); // the default printer, or PDF files when there is none
    std::optional<std::string> chosen =
        services.dialogs.chooseItem("Printer Setup", "Print to:", names, current);
    if (chosen) choice->choosePrinter(*chosen);
}

} // namespace tallyrock
