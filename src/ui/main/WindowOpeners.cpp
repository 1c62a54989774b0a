// What each menu item of the main window opens. A window of a subsystem adds
// its opener here; items without one do nothing.
#include "MainWindow.h"
#include "ProgramInfoWindow.h"
#include "utilities/FontWindow.h"

namespace tallyrock {

void installWindowOpeners(MainWindow& main) {
    main.setOpener(MainWindow::Window::ProgramInfo,
                   [](MainWindow&) -> QWidget* { return new ProgramInfoWindow; });
    main.setOpener(MainWindow::Window::PrinterFont, [](MainWindow& m) -> QWidget* {
        auto* window = new FontWindow(m.store(), m.services().dialogs);
        QObject::connect(window, &FontWindow::helpRequested, &m,
                         [&m] { m.showHelp(MainWindow::HelpPrinterFont); });
        return window;
    });
}

} // namespace tallyrock
