// What each menu item of the main window opens. A window of a subsystem adds
// its opener here; items without one do nothing.
#include "MainWindow.h"
#include "ProgramInfoWindow.h"
#include "charts/ChartChooserWindow.h"
#include "charts/CompareChartWindow.h"
#include "charts/HandicapCardWindow.h"
#include "main/StartUp.h"
#include "store/LeagueFile.h"
#include "teams/TeamDefinitionWindow.h"
#include "teams/TeamPointsWindow.h"
#include "teams/TeamSummaryWindow.h"
#include "utilities/BackupWindow.h"
#include "utilities/FontWindow.h"
#include "utilities/RestoreWindow.h"

namespace tallyrock {

namespace {
// Routes a window's information button to its help topic.
template <typename W> W* withHelp(W* window, MainWindow& main, HelpTopic topic) {
    QObject::connect(window, &W::helpRequested, &main, [&main, topic] { main.showHelp(topic); });
    return window;
}
} // namespace

void installWindowOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::ProgramInfo, [](MainWindow&) -> QWidget* { return new ProgramInfoWindow; });
    main.setOpener(Window::PrinterFont, [](MainWindow& m) -> QWidget* {
        return withHelp(new FontWindow(m.store(), m.services().dialogs), m, HelpTopic::PrinterFont);
    });

    main.setOpener(Window::TeamDefinition, [](MainWindow& m) -> QWidget* {
        return withHelp(new TeamDefinitionWindow(m.store(), m.services()), m, HelpTopic::TeamRecords);
    });
    main.setOpener(Window::TeamPoints, [](MainWindow& m) -> QWidget* {
        return withHelp(new TeamPointsWindow(m.store(), m.services()), m, HelpTopic::TeamRecords);
    });
    main.setOpener(Window::TeamSummary, [](MainWindow& m) -> QWidget* {
        return withHelp(new TeamSummaryWindow(m.store(), m.services()), m, HelpTopic::TeamRecords);
    });

    // The chooser and the chart windows open one another; each new one keeps
    // the main window disabled until the last of them closes.
    main.setOpener(Window::ChartChooser, [](MainWindow& m) -> QWidget* {
        return new ChartChooserWindow(m.store(), m.services(), [&m](QWidget* w) { m.adoptChild(w); });
    });
    main.setOpener(Window::ComparisonChart,
                   [](MainWindow& m) -> QWidget* { return new CompareChartWindow(m.store(), m.services()); });
    main.setOpener(Window::HandicapCards,
                   [](MainWindow& m) -> QWidget* { return new HandicapCardWindow(m.store(), m.services()); });

    main.setOpener(Window::Backup,
                   [](MainWindow& m) -> QWidget* { return new BackupWindow(m.store(), m.services().dialogs); });
    main.setOpener(Window::Restore, [](MainWindow& m) -> QWidget* {
        auto* window = withHelp(new RestoreWindow(m.store(), m.services().dialogs), m, HelpTopic::BackupRestore);
        // What the program holds is out of date now: read the restored list
        // again and close the league, so no later save overwrites a restored file.
        QObject::connect(window, &RestoreWindow::restored, &m, [&m] {
            Store& store = m.store();
            store.league.LeagueFilePath.clear();
            ClearLeague(store);
            loadAtStartUp(store);
            m.showNoLeagueOpen();
        });
        return window;
    });
}

} // namespace tallyrock
