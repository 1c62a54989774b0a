// What each menu item of the main window opens. A window of a subsystem adds
// its opener here; items without one do nothing.
#include "CsvExportWindow.h"
#include "MainWindow.h"
#include "NightResultsWindow.h"
#include "ProgramInfoWindow.h"
#include "charts/ChartChooserWindow.h"
#include "charts/CompareChartWindow.h"
#include "charts/HandicapCardWindow.h"
#include "handicap/CourseHandicapWindow.h"
#include "handicap/EditRoundChooserWindow.h"
#include "handicap/PlayerChooserWindow.h"
#include "handicap/RoundSetupWindow.h"
#include "handicap/RulesWindow.h"
#include "handicap/WorksheetWindow.h"
#include "roster/AddPlayerWindow.h"
#include "roster/CourseWindow.h"
#include "roster/LeagueOps.h"
#include "roster/LeagueWindow.h"
#include "roster/PlayerOrderWindow.h"
#include "roster/PlayingConditionsWindow.h"
#include "roster/RemovePlayerWindow.h"
#include "roster/RenamePlayerWindow.h"
#include "services/QtText.h"
#include "store/LeagueFile.h"
#include "teams/TeamDefinitionWindow.h"
#include "teams/TeamPointsWindow.h"
#include "teams/TeamSummaryWindow.h"
#include "utilities/BackupWindow.h"
#include "utilities/FontWindow.h"
#include "utilities/RestoreWindow.h"
#include "views/LeagueOpening.h"
#include "views/StartUp.h"

#include <QAction>

namespace tallyrock {

namespace {
// Routes a window's information button to its help topic.
template <typename W> W* withHelp(W* window, MainWindow& main, HelpTopic topic) {
    QObject::connect(window, &W::helpRequested, &main, [&main, topic] { main.showHelp(topic); });
    return window;
}

// Score entry, opened by round set-up or the edit-round chooser: the main
// window stays disabled across the hand-over, and redraws its rounds view
// and enables its course menu when entry ends.
ScoreEntryAdopter scoreEntryAdopter(MainWindow& main) {
    return [&main](ScoreEntryWindow* entry) {
        main.adoptChild(entry);
        QObject::connect(entry, &ScoreEntryWindow::helpRequested, &main, [&main, entry] {
            main.showHelp(entry->editing() ? HelpTopic::CorrectingRound : HelpTopic::EnteringScores);
        });
        QObject::connect(entry, &ScoreEntryWindow::closed, &main, [&main] {
            main.enableCourseMenu();
            main.startViewTimer();
        });
    };
}

// After a roster change the rounds view, when it is showing, shows the
// players as they now are.
void refreshRoundsView(MainWindow& main) {
    auto* names = main.findChild<QWidget*>("Picture1");
    if (names && names->isVisibleTo(&main)) main.ShowRoundsView();
}

// A chooser left without a choice ticks the first view again.
void showRecentView(MainWindow& main) {
    if (auto* recent = main.findChild<QAction*>("Viewmenu1")) recent->trigger();
}

// The handicap settings, round entry and its choosers, the course handicap calculator,
// the program information and the printer font.
void installHandicapOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::Rules, [](MainWindow& m) -> QWidget* {
        return withHelp(new RulesWindow(m.store(), m.services()), m, HelpTopic::ProgramSettings);
    });
    main.setOpener(Window::RoundSetup, [](MainWindow& m) -> QWidget* {
        return withHelp(new RoundSetupWindow(m.store(), m.services(), scoreEntryAdopter(m)), m,
                        HelpTopic::EnteringScores);
    });
    main.setOpener(Window::EditRoundChooser, [](MainWindow& m) -> QWidget* {
        auto* chooser = new EditRoundChooserWindow(m.store(), m.services(), scoreEntryAdopter(m));
        QObject::connect(chooser, &EditRoundChooserWindow::exited, &m, [&m] { showRecentView(m); });
        return chooser;
    });
    main.setOpener(Window::ViewPlayerChooser, [](MainWindow& m) -> QWidget* {
        auto* chooser = new PlayerChooserWindow(m.store(), m.services());
        QObject::connect(chooser, &PlayerChooserWindow::accepted, &m, &MainWindow::startPlayerViewTimer);
        QObject::connect(chooser, &PlayerChooserWindow::exited, &m, [&m] { showRecentView(m); });
        return chooser;
    });
    main.setOpener(Window::CourseHcpCalculator, [](MainWindow& m) -> QWidget* {
        return withHelp(new CourseHandicapWindow(m.services()), m, HelpTopic::CourseHandicap);
    });
    main.setOpener(Window::Worksheet, [](MainWindow& m) -> QWidget* {
        return new WorksheetWindow(m.store(), m.services(), m.store().CurrentPlayer, m.worksheetDate());
    });
    main.setOpener(Window::ProgramInfo, [](MainWindow&) -> QWidget* { return new ProgramInfoWindow; });
    main.setOpener(Window::PrinterFont, [](MainWindow& m) -> QWidget* {
        return withHelp(new FontWindow(m.store(), m.services().dialogs), m, HelpTopic::PrinterFont);
    });
}

// The team windows.
void installTeamOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::TeamDefinition, [](MainWindow& m) -> QWidget* {
        return withHelp(new TeamDefinitionWindow(m.store(), m.services()), m, HelpTopic::TeamRecords);
    });
    main.setOpener(Window::TeamPoints, [](MainWindow& m) -> QWidget* {
        return withHelp(new TeamPointsWindow(m.store(), m.services()), m, HelpTopic::TeamRecords);
    });
    main.setOpener(Window::TeamSummary, [](MainWindow& m) -> QWidget* {
        return withHelp(new TeamSummaryWindow(m.store(), m.services()), m, HelpTopic::TeamRecords);
    });
}

// Courses, leagues and players.
void installRosterOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::CourseSetup, [](MainWindow& m) -> QWidget* {
        auto* window = withHelp(new CourseWindow(m.store(), m.services()), m, HelpTopic::Courses);
        QObject::connect(window, &CourseWindow::closed, &m, [&m] {
            m.enableCourseMenu();
            m.showTickedView();
        });
        return window;
    });
    main.setOpener(Window::PlayingConditions, [](MainWindow& m) -> QWidget* {
        return withHelp(new PlayingConditionsWindow(m.store(), m.services()), m, HelpTopic::Courses);
    });
    main.setOpener(Window::LeagueCreation, [](MainWindow& m) -> QWidget* {
        auto* window = withHelp(new LeagueWindow(m.store(), m.services()), m, HelpTopic::CreatingLeague);
        QObject::connect(window, &LeagueWindow::leagueCreated, &m, [&m](const QString& name, int position) {
            m.setMessagePanelText(qs(currentLeagueText(m.store())));
            m.setLeagueMenu(leagueMenuAfterCreate(m.leagueMenu(), str(name), position));
        });
        QObject::connect(window, &LeagueWindow::leagueDeleted, &m, [&m](const QString& name) {
            m.setLeagueMenu(leagueMenuAfterDelete(m.leagueMenu(), str(name)));
        });
        QObject::connect(window, &LeagueWindow::closed, &m, &MainWindow::showNoLeagueOpen);
        return window;
    });
    main.setOpener(Window::AddPlayer, [](MainWindow& m) -> QWidget* {
        auto* window = withHelp(new AddPlayerWindow(m.store(), m.services()), m, HelpTopic::AddingPlayers);
        QObject::connect(window, &AddPlayerWindow::closed, &m, [&m] { refreshRoundsView(m); });
        return window;
    });
    main.setOpener(Window::RemovePlayer, [](MainWindow& m) -> QWidget* {
        auto* window = withHelp(new RemovePlayerWindow(m.store(), m.services()), m, HelpTopic::AddingPlayers);
        QObject::connect(window, &RemovePlayerWindow::closed, &m, [&m] { refreshRoundsView(m); });
        return window;
    });
    main.setOpener(Window::RenamePlayers, [](MainWindow& m) -> QWidget* {
        auto* window = new RenamePlayerWindow(m.store(), m.services());
        QObject::connect(window, &RenamePlayerWindow::closed, &m, [&m] { refreshRoundsView(m); });
        return window;
    });
    main.setOpener(Window::PlayerOrder, [](MainWindow& m) -> QWidget* {
        auto* window = new PlayerOrderWindow(m.store(), m.services());
        QObject::connect(window, &PlayerOrderWindow::closed, &m, [&m] { refreshRoundsView(m); });
        return window;
    });
}

// The chooser and the chart windows open one another; each new one keeps
// the main window disabled until the last of them closes.
void installChartOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::ChartChooser, [](MainWindow& m) -> QWidget* {
        return new ChartChooserWindow(m.store(), m.services(), [&m](QWidget* w) { m.adoptChild(w); });
    });
    main.setOpener(Window::ComparisonChart,
                   [](MainWindow& m) -> QWidget* { return new CompareChartWindow(m.store(), m.services()); });
    main.setOpener(Window::HandicapCards,
                   [](MainWindow& m) -> QWidget* { return new HandicapCardWindow(m.store(), m.services()); });
}

// Backup and restore.
void installBackupOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::Backup, [](MainWindow& m) -> QWidget* {
        return new BackupWindow(m.store(), m.services().dialogs, systemBackupRoots());
    });
    main.setOpener(Window::Restore, [](MainWindow& m) -> QWidget* {
        auto* window = withHelp(new RestoreWindow(m.store(), m.services().dialogs, systemBackupRoots()), m,
                                HelpTopic::BackupRestore);
        // What the program holds is out of date now: read the restored list
        // again and close the league, so no later save overwrites a restored file.
        QObject::connect(window, &RestoreWindow::restored, &m, [&m] {
            Store& store = m.store();
            store.league.LeagueFilePath.clear();
            ClearLeague(store);
            m.setLeagueMenu(loadAtStartUp(store).leagueMenu);
            m.showNoLeagueOpen();
        });
        return window;
    });
}

// The results of a date and the CSV exports.
void installResultOpeners(MainWindow& main) {
    using Window = MainWindow::Window;
    main.setOpener(Window::NightResults,
                   [](MainWindow& m) -> QWidget* { return new NightResultsWindow(m.store(), m.services()); });
    main.setOpener(Window::CsvExport,
                   [](MainWindow& m) -> QWidget* { return new CsvExportWindow(m.store(), m.services()); });
}
} // namespace

void installWindowOpeners(MainWindow& main) {
    installHandicapOpeners(main);
    installTeamOpeners(main);
    installRosterOpeners(main);
    installChartOpeners(main);
    installBackupOpeners(main);
    installResultOpeners(main);
}

} // namespace tallyrock
