#pragma once
// The main window (Form2): the hub every other window is opened from. It opens
// a league, shows its rounds in the three views, prints and exports the
// listings, and holds the course-selection panel.
//
// Windows of other subsystems are wired in through the opener table: each
// menu item that opens a window asks for its Window kind, and WindowOpeners.cpp
// registers what opens it. An item without an opener does nothing yet.

#include "services/UiServices.h"
#include "store/Store.h"
#include "utilities/HelpViewer.h"
#include "views/CoursePanel.h"
#include "views/RoundsView.h"

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

class QAction;
class QCloseEvent;
class QEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;

namespace tallyrock {

class CourseSelectionPanel;
class RoundsArea;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    enum class Window {
        Rules,
        ProgramInfo,
        LeagueCreation,
        HandicapCards,
        PrinterFont,
        Backup,
        Restore,
        RoundSetup,
        EditRoundChooser,  // the player chooser in mode "edit"
        ViewPlayerChooser, // the player chooser for view 3
        AddPlayer,
        PlayerOrder,
        RemovePlayer,
        RenamePlayers,
        CourseSetup, // reads CourseFormMode: Add or Edit
        CourseHcpCalculator,
        TeamDefinition,
        TeamPoints,
        TeamSummary,
        ComparisonChart,
        ChartChooser, // reads ChartKind: "line" or "pie"
        NightResults,
        CsvExport,
        Worksheet, // of CurrentPlayer, as of worksheetDate()
        PlayingConditions,
    };
    // Creates the window (or returns nullptr when it does not open); the main
    // window disables itself until the window is destroyed.
    using Opener = std::function<QWidget*(MainWindow&)>;

    MainWindow(Store& store, UiServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Form_Load: size from the screen, settings, league list, league menu.
    void load(const QRect& screen, int screenWidthPx);

    void setOpener(Window window, Opener opener) { m_openers[window] = std::move(opener); }
    bool hasOpener(Window window) const { return m_openers.count(window) != 0; }
    // The help window every help item and information button shows; the main window stays enabled.
    void setHelpViewer(HelpViewer* viewer) { m_helpViewer = viewer; }
    // Opens a window of the table with the main window disabled; false when it has no opener.
    bool openWindow(Window window);
    // Keeps the main window disabled until `child` is destroyed (for a window
    // that hands over to another one, such as round set-up to score entry).
    void adoptChild(QWidget* child);

    Store& store() { return m_store; }
    UiServices& services() { return m_services; }
    const RoundsView& roundsView() const { return m_view; }

    // Entry points for other windows.
    void startPlayerViewTimer(); // after the player chooser has set CurrentPlayer
    void startViewTimer();       // when score entry closes
    void enableCourseMenu();
    void ShowRoundsView();
    void HideRoundsView();
    // The view that is ticked, filled afresh, where a window or the course
    // panel covered it; nothing while no league is open.
    void showTickedView();
    // SaveLeagueFile with the saving notice in the message panel and the hourglass; shows a failure.
    Failure saveLeagueFile();
    void setMessagePanelText(const QString& text);
    QString messagePanelText() const;
    // Names a printout written as a PDF file.
    void showPrintout(const std::filesystem::path& file);
    void OpenLeague(int k);
    // The help window at a topic.
    void showHelp(HelpTopic topic);
    // The state with no league open (after a league is created or deleted,
    // and after a restore): the league items disabled, the lists emptied,
    // "Open a League file to begin". The league menu is left as it is.
    void showNoLeagueOpen();
    // The league menu's captions, item 0 first; setting them keeps the items
    // that remain and adds or removes items at the end.
    std::vector<std::string> leagueMenu() const;
    void setLeagueMenu(const std::vector<std::string>& captions);
    // Before anything would drop rounds recorded but not saved: asks, and
    // saves them on Yes as the end of score entry does. False on Cancel (or
    // when the save failed): nothing may be dropped then.
    bool settleUnsavedRounds();
    // The Edit menu's undo item names the newest change that can be undone.
    void refreshUndoItem();
    // The handicap worksheet of CurrentPlayer as of a date (none: today).
    void openWorksheet(std::optional<Date> asOf);
    std::optional<Date> worksheetDate() const { return m_worksheetDate; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenus();
    void buildFileMenu();
    void buildRecordMenus();
    void buildResultMenus();
    // A menu item, named, running `handler` when chosen.
    template <typename Handler>
    QAction* menuItem(QMenu* menu, const char* caption, const QString& name, Handler handler);
    // What opens `window` from a menu item.
    std::function<void()> opener(Window window);
    void buildToolPanel(QWidget* parent);
    void buildRoundsArea(QWidget* parent);
    QGroupBox* buildHelpPanel(QWidget* middle);
    void buildMessagePanel(QWidget* parent);
    void layoutMessagePanel();
    void setLeagueItemsEnabled(bool enabled);
    void fillLists();
    void tickView(ViewMode mode);
    void showAction(const QString& text);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What the menu items, buttons and timers do.
    void chooseLeague(int k);
    void chooseView(int index);
    // The message panel's spin buttons, down or up.
    void stepView(bool down);
    void showChosenPlayer();
    void refreshTickedView();
    void clearActionMessage();
    void printListing();
    void exportListing();
    void setUpPrinter();
    void enterScores();
    void editRound();
    void manageCourses(int index);
    void showCourseChart();
    void openCoursePanel(CoursePanelMode mode);
    void chooseCourse();
    void cancelCourseChoice();
    void enterTeamResults();
    void openTeamSummary();
    void openChart(int index);
    void showAbout();
    void runTool(int index);
    // Undo (MainWindowUndo.cpp): the item above the clipboard items, and what it does.
    void buildUndoItem(QMenu* edit);
    void undoNewestChange();
    // Reads the files again after an undo: the league list, and the open league when it is still listed.
    void reloadFiles();
    void openRoundWorksheet(int row);

    Store& m_store;
    UiServices& m_services;
    RoundsView m_view;
    std::map<Window, Opener> m_openers;
    HelpViewer* m_helpViewer = nullptr;
    int m_openChildren = 0;
    CoursePanelMode m_panelMode = CoursePanelMode::Edit;

    // Menus and items.
    QMenu* m_leaguesMenu = nullptr;
    std::vector<QAction*> m_leagueItems;
    QAction* m_enterMenu = nullptr;
    QAction* m_editRoundMenu = nullptr;
    QAction* m_undoMenu = nullptr;
    QAction* m_printCardsMenu = nullptr;
    QAction* m_playerNamesMenu = nullptr;
    QAction* m_leagueHcMenu = nullptr;
    QAction* m_defineTeamMenu = nullptr;
    QAction* m_enterTeamResultsMenu = nullptr;
    QAction* m_teamSummaryMenu = nullptr;
    QAction* m_nightMenu = nullptr;
    QAction* m_csvExportMenu = nullptr;
    QMenu* m_coursesMenu = nullptr;
    std::array<QAction*, 4> m_viewMenu{};
    std::array<QAction*, 4> m_playerMenu{};
    std::array<QAction*, 2> m_graphMenu{};
    QAction* m_worksheetMenu = nullptr;
    std::optional<Date> m_worksheetDate;

    // Tool bar, lists, panels and timers.
    std::array<QToolButton*, 6> m_toolButtons{};
    RoundsArea* m_roundsArea = nullptr;
    QWidget* m_helpPanel = nullptr;
    CourseSelectionPanel* m_coursePanel = nullptr;
    QFrame* m_messagePanel = nullptr;
    QLabel* m_messageText = nullptr;
    QLabel* m_actionMessage = nullptr;
    QWidget* m_viewSpin = nullptr;
    QTimer* m_playerViewTimer = nullptr;
    QTimer* m_viewTimer = nullptr;
    QTimer* m_messageTimer = nullptr;
    bool m_roundsShown = false;
};

// Registers the openers of the windows that exist (WindowOpeners.cpp).
void installWindowOpeners(MainWindow& main);

} // namespace tallyrock
