// The Tallyrock desktop program: the splash window loads the main window.
#include "main/MainWindow.h"
#include "main/SplashWindow.h"
#include "print/QtReportPrinter.h"
#include "services/Paths.h"
#include "services/QtDialogs.h"
#include "store/ChangeSet.h"
#include "utilities/HelpLauncher.h"

#include <QApplication>
#include <QIcon>
#include <csignal>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallyrock");
    // The desktop entry's name, so the desktop shows the program's own name and icon.
    QGuiApplication::setDesktopFileName("org.tallyrock.Tallyrock");
    QIcon icon = QIcon::fromTheme("tallyrock");
    if (icon.isNull())
        for (int size : {32, 64, 256})
            icon.addFile(QString(":/icons/tallyrock-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    using namespace tallyrock;

    SystemPaths paths;
    Store store;
    store.workDir = paths.workDir();
    store.settingsDir = paths.settingsDir();
    // A file-size limit makes a save fail with its message instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Finish a change a crashed program left behind; drop old temporary files of interrupted saves.
    tidyDataFolder(store);

    QtDialogs dialogs;
    QtReportPrinter printer(store.workDir / "Printouts");
    SystemClock clock;
    UiServices services{dialogs, printer, clock, &printer};

    HelpLauncher help(dialogs, {}, &printer);
    MainWindow window(store, services);
    window.setHelpViewer(&help);
    printer.setOnPdfWritten([&window](const std::filesystem::path& file) { window.showPrintout(file); });
    auto* splash = new SplashWindow(window, true);
    splash->show();
    splash->activateWindow();
    splash->setFocus();
    return QApplication::exec();
}
