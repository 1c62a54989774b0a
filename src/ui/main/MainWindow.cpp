#include "MainWindow.h"

#include "CourseSelectionPanel.h"
#include "RoundsArea.h"
#include "SplashWindow.h"
#include "ToolIcons.h"
#include "print/PrintFonts.h"
#include "roster/CourseOps.h"
#include "services/BusyPointer.h"
#include "services/NamedControls.h"
#include "services/PrinterSetup.h"
#include "services/QtText.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/TeamFile.h"
#include "store/UndoLog.h"
#include "views/CourseHcpChart.h"
#include "views/LeagueOpening.h"
#include "views/Listings.h"
#include "views/StartUp.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tallyrock {

namespace {

const char* const ToolCaptions[] = {"Load League",      "Enter Rounds",          "Add a New Player",
                                    "Add a New Course", "Help and Instructions", "Handicapping Method"};

} // namespace

MainWindow::MainWindow(Store& store, UiServices& services, QWidget* parent)
    : QMainWindow(parent), m_store(store), m_services(services) {
    setObjectName("MainWindow");
    setWindowTitle("Tallyrock");
    setWindowIcon(toolIcon(3));

    m_playerViewTimer = namedTimer("Timer1", 500, this);
    m_viewTimer = namedTimer("ViewTimer", 1500, this);
    m_messageTimer = namedTimer("messagetimer", 3000, this);
    connect(m_playerViewTimer, &QTimer::timeout, this, &MainWindow::showChosenPlayer);
    connect(m_viewTimer, &QTimer::timeout, this, &MainWindow::refreshTickedView);
    connect(m_messageTimer, &QTimer::timeout, this, &MainWindow::clearActionMessage);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    setCentralWidget(central);
    buildMenus();
    buildToolPanel(central);
    buildRoundsArea(central);
    buildMessagePanel(central);

    HideRoundsView();
    installWindowOpeners(*this);
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------- building

template <typename Handler>
QAction* MainWindow::menuItem(QMenu* menu, const char* caption, const QString& name, Handler handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

std::function<void()> MainWindow::opener(Window window) {
    return [this, window] { openWindow(window); };
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildRecordMenus();
    buildResultMenus();

    // Disabled in the design until a league is opened.
    for (QAction* action : {m_printCardsMenu, m_editRoundMenu, m_playerMenu[1], m_playerMenu[2],
                            m_playerMenu[3], m_playerNamesMenu, m_leagueHcMenu, m_graphMenu[0],
                            m_graphMenu[1], m_nightMenu, m_csvExportMenu, m_worksheetMenu})
        action->setEnabled(false);
}

// The File menu: leagues, printing, settings, backup.
void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("Filemenu");
    m_leaguesMenu = file->addMenu("&Open League File");
    m_leaguesMenu->setObjectName("Openmenu");
    QAction* noEntries = m_leaguesMenu->addAction(NoEntries);
    noEntries->setObjectName("leaguesmenu0");
    connect(noEntries, &QAction::triggered, this, [this] { chooseLeague(0); });
    m_leagueItems.push_back(noEntries);
    menuItem(file, "&Create or Delete a League File", "Creatmenu", opener(Window::LeagueCreation));
    file->addSeparator();
    menuItem(file, "&Print", "Printmenu", &MainWindow::printListing);
    menuItem(file, "Export Listing as Text", "printfilemenu", &MainWindow::exportListing);
    m_csvExportMenu = menuItem(file, "Export as CSV...", "csvexportmenu", opener(Window::CsvExport));
    m_printCardsMenu =
        menuItem(file, "Print Handicap &Cards", "printcardsmenu", opener(Window::HandicapCards));
    file->addSeparator();
    menuItem(file, "Printer &Font", "settingsmenu", opener(Window::PrinterFont));
    menuItem(file, "Printer Setup", "Printsetupmenu", &MainWindow::setUpPrinter);
    file->addSeparator();
    menuItem(file, "&Handicapping Rules and Methods", "Rulesmenu", opener(Window::Rules));
    menuItem(file, "&Backup your data files", "backupmainmenu", opener(Window::Backup));
    menuItem(file, "Backup data files to another drive", "Backupmenu", opener(Window::Backup));
    menuItem(file, "Restore data files", "restoremenu", opener(Window::Restore));
    file->addSeparator();
    menuItem(file, "E&xit", "Exitmenu", [this] {
        if (close()) QApplication::quit(); // closing asks about unsaved rounds first
    });
}

// Edit, Enter Rounds, Player Mgt. and Course Mgt.
void MainWindow::buildRecordMenus() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("Editmenu");
    int n = 0;
    for (const char* caption : {"&Cut", "C&opy", "&Paste"})
        edit->addAction(caption)->setObjectName(QString("Editmenu2_%1").arg(n++));
    for (QAction* action : edit->actions())
        action->setEnabled(false);
    buildUndoItem(edit);
    edit->addSeparator();
    m_editRoundMenu =
        menuItem(edit, "Correct / &Edit or Delete a Round", "editroundmenu", &MainWindow::editRound);

    m_enterMenu = menuBar()->addAction("&Enter Rounds");
    m_enterMenu->setObjectName("entermenu");
    connect(m_enterMenu, &QAction::triggered, this, &MainWindow::enterScores);

    QMenu* players = menuBar()->addMenu("&Player Mgt.");
    players->setObjectName("Playersmenu");
    m_playerMenu[1] = menuItem(players, "&Add Player", "Playermenu1", opener(Window::AddPlayer));
    m_playerMenu[2] =
        menuItem(players, "&Sort / Arrange Player List", "Playermenu2", opener(Window::PlayerOrder));
    m_playerMenu[3] = menuItem(players, "&Remove Player", "Playermenu3", opener(Window::RemovePlayer));
    m_playerNamesMenu =
        menuItem(players, "&Edit Player Names", "Playernamesmenu", opener(Window::RenamePlayers));

    m_coursesMenu = menuBar()->addMenu("&Course Mgt.");
    m_coursesMenu->setObjectName("coursesmenu");
    for (int i = 1; i <= 3; ++i) {
        const char* captions[] = {"", "&Add New Course", "&Edit Course", "&Delete Course"};
        menuItem(m_coursesMenu, captions[i], QString("GCmenu%1").arg(i), [this, i] { manageCourses(i); });
    }
    m_coursesMenu->addSeparator();
    menuItem(m_coursesMenu, "&Print Course Handicap Reference Chart", "CHCPChartmenu",
             &MainWindow::showCourseChart);
    menuItem(m_coursesMenu, "&Calculate Course Handicap", "coursehcpmenu",
             opener(Window::CourseHcpCalculator));
    menuItem(m_coursesMenu, "Playing Conditions", "pccmenu", opener(Window::PlayingConditions));
}

// Display Results, Team Points, Trends and Help.
void MainWindow::buildResultMenus() {
    QMenu* views = menuBar()->addMenu("&Display Results");
    views->setObjectName("Vmenu");
    const char* viewCaptions[] = {"", "Most &Recent Rounds Entered", "By &Date", "Individual &Player"};
    for (int i = 1; i <= 3; ++i) {
        m_viewMenu[i] =
            menuItem(views, viewCaptions[i], QString("Viewmenu%1").arg(i), [this, i] { chooseView(i); });
        m_viewMenu[i]->setCheckable(true);
    }
    m_viewMenu[1]->setChecked(true);
    views->addSeparator();
    m_nightMenu = menuItem(views, "Results of a Date", "nightmenu", opener(Window::NightResults));
    m_worksheetMenu = menuItem(views, "Handicap &Worksheet", "worksheetmenu", [this] { openWorksheet({}); });

    QMenu* teams = menuBar()->addMenu("&Team Points");
    teams->setObjectName("teammenu");
    m_defineTeamMenu = menuItem(teams, "&Define Teams", "defineteammenu", opener(Window::TeamDefinition));
    m_enterTeamResultsMenu =
        menuItem(teams, "&Enter Team Results", "enterteamresultsmenu", &MainWindow::enterTeamResults);
    m_teamSummaryMenu =
        menuItem(teams, "&Team Summary Reports", "teamsummarymenu", &MainWindow::openTeamSummary);

    QMenu* trends = menuBar()->addMenu("&Trends");
    trends->setObjectName("Analmenu");
    m_leagueHcMenu =
        menuItem(trends, "Current League Handicaps", "leaguehcmenu", opener(Window::ComparisonChart));
    m_graphMenu[0] = menuItem(trends, "Individual Handicap Trends", "graphmenu0", [this] { openChart(0); });
    m_graphMenu[1] = menuItem(trends, "Individual Scoring Averages", "graphmenu1", [this] { openChart(1); });

    QMenu* helpMenu = menuBar()->addMenu("&Help");
    helpMenu->setObjectName("Helpmenu");
    menuItem(helpMenu, "&Contents", "Infomenu", [this] { showHelp(HelpTopic::Contents); });
    menuItem(helpMenu, "Quick Start Instructions", "quickstartmenu",
             [this] { showHelp(HelpTopic::QuickStart); });
    menuItem(helpMenu, "Purpose && Intent of ths program", "Purposemenu",
             [this] { showHelp(HelpTopic::Purpose); });
    helpMenu->addSeparator();
    menuItem(helpMenu, "Programming Information", "programmenu", opener(Window::ProgramInfo));
    menuItem(helpMenu, "About Tallyrock", "aboutmenu", &MainWindow::showAbout);
}

void MainWindow::buildToolPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName("Toolpanel");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < 6; ++i) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QString("toolbutton%1").arg(i));
        button->setText(ToolCaptions[i]);
        button->setToolTip(ToolCaptions[i]);
        button->setIcon(toolIcon(i));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, i] { runTool(i); });
        m_toolButtons[i] = button;
        row->addWidget(button);
    }
    m_toolButtons[0]->installEventFilter(this);
    row->addStretch(1);
    auto* title = new QLabel("Greenquill", panel);
    title->setObjectName("Panel3D2");
    title->setFrameShape(QFrame::Panel);
    title->setFrameShadow(QFrame::Sunken);
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    font.setItalic(true);
    title->setFont(font);
    title->setStyleSheet("color: rgb(23, 145, 23); padding: 4px 14px;");
    row->addWidget(title);
    static_cast<QVBoxLayout*>(parent->layout())->addWidget(panel);
}

void MainWindow::buildRoundsArea(QWidget* parent) {
    auto* middle = new QWidget(parent);
    middle->setObjectName("middle");
    auto* stack = new QVBoxLayout(middle);
    double pt = logicalDpiX() / 72.0;
    stack->setContentsMargins(static_cast<int>(6 * pt), 4, 4, 4);
    m_roundsArea = new RoundsArea(middle);
    connect(m_roundsArea, &RoundsArea::lineActivated, this, &MainWindow::openRoundWorksheet);
    stack->addWidget(m_roundsArea, 1);
    m_coursePanel = new CourseSelectionPanel(middle);
    connect(m_coursePanel, &CourseSelectionPanel::chosen, this, &MainWindow::chooseCourse);
    connect(m_coursePanel, &CourseSelectionPanel::cancelled, this, &MainWindow::cancelCourseChoice);
    stack->addWidget(m_coursePanel, 0, Qt::AlignCenter);
    stack->addWidget(buildHelpPanel(middle), 0, Qt::AlignVCenter);
    static_cast<QVBoxLayout*>(parent->layout())->addWidget(middle, 1);
}

// The help shortcuts, shown until a league is opened.
QGroupBox* MainWindow::buildHelpPanel(QWidget* middle) {
    auto* helpBox = new QGroupBox("Help and Instructions", middle);
    helpBox->setObjectName("helppanel");
    auto* helpRow = new QHBoxLayout(helpBox);
    struct HelpButton {
        const char* name;
        const char* caption;
        std::function<void()> action;
    };
    const HelpButton buttons[] = {
        {"QuickStartButton", "Quick Start Basics", [this] { showHelp(HelpTopic::GettingStarted); }},
        {"HcpMethodButton", "Handicapping Method", [this] { openWindow(Window::Rules); }},
        {"TipsButton", "Important Tips", [this] { showHelp(HelpTopic::Tips); }},
        {"EnterScoreTipsButton", "Entering Scores", [this] { showHelp(HelpTopic::EnteringScores); }},
    };
    for (const HelpButton& b : buttons) {
        auto* button = new QPushButton(b.caption, helpBox);
        button->setObjectName(b.name);
        button->setMinimumHeight(36);
        connect(button, &QPushButton::clicked, this, b.action);
        helpRow->addWidget(button, 1);
    }
    m_helpPanel = helpBox;
    helpBox->setMaximumHeight(helpBox->sizeHint().height());
    return helpBox;
}

void MainWindow::buildMessagePanel(QWidget* parent) {
    m_messagePanel = new QFrame(parent);
    m_messagePanel->setObjectName("messagepanel");
    m_messagePanel->setFrameShape(QFrame::Panel);
    m_messagePanel->setFrameShadow(QFrame::Sunken);
    m_messagePanel->setMinimumHeight(28);
    m_messageText = new QLabel(OpenLeagueHint, m_messagePanel);
    m_messageText->setObjectName("messagetext");
    m_actionMessage = new QLabel(m_messagePanel);
    m_actionMessage->setObjectName("actionmessage");
    m_actionMessage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_viewSpin = new QWidget(m_messagePanel);
    m_viewSpin->setObjectName("Spin1");
    m_viewSpin->setToolTip(SpinToolTip);
    auto* spinRow = new QHBoxLayout(m_viewSpin);
    spinRow->setContentsMargins(0, 0, 0, 0);
    spinRow->setSpacing(1);
    auto* down = new QToolButton(m_viewSpin);
    down->setObjectName("Spin1Down");
    down->setArrowType(Qt::LeftArrow);
    down->setToolTip(SpinToolTip);
    down->setAccessibleName("View earlier rounds");
    auto* up = new QToolButton(m_viewSpin);
    up->setObjectName("Spin1Up");
    up->setArrowType(Qt::RightArrow);
    up->setToolTip(SpinToolTip);
    up->setAccessibleName("View more recent rounds");
    for (QToolButton* b : {down, up})
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    spinRow->addWidget(down);
    spinRow->addWidget(up);
    connect(down, &QToolButton::clicked, this, [this] { stepView(true); });
    connect(up, &QToolButton::clicked, this, [this] { stepView(false); });
    m_messagePanel->installEventFilter(this);
    static_cast<QVBoxLayout*>(parent->layout())->addWidget(m_messagePanel);
}

// The strip is 6.5 % of the window's height; the hint ends 250 points before
// its right end ... in short, as the layout rule of the window says.
void MainWindow::layoutMessagePanel() {
    int h = std::max(28, static_cast<int>(height() * 0.065));
    if (m_messagePanel->height() != h) m_messagePanel->setFixedHeight(h);
    QRect strip = m_messagePanel->rect();
    double pt = logicalDpiX() / 72.0;
    int spinLeft = static_cast<int>(strip.width() * 0.91);
    m_viewSpin->setGeometry(spinLeft, static_cast<int>(h * 0.17),
                            std::max(30, static_cast<int>(strip.width() * 0.06)), static_cast<int>(h * 0.52));
    int actionLeft = std::max(0, strip.width() - static_cast<int>(250 * pt));
    // A longer action message ("Undone: Rename Player ...") takes room from
    // the message on the left, which keeps at least a third of the strip.
    const int needed = m_actionMessage->fontMetrics().horizontalAdvance(m_actionMessage->text()) + 4;
    actionLeft = std::min(actionLeft, std::max(strip.width() / 3, spinLeft - 8 - needed));
    int actionWidth = std::max(0, spinLeft - 8 - actionLeft);
    m_actionMessage->setGeometry(actionLeft, static_cast<int>(h * 0.2), actionWidth,
                                 std::max(12, static_cast<int>(h * 0.6)));
    m_messageText->setGeometry(8, 0, std::max(0, actionLeft - 12), h);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_messagePanel && event->type() == QEvent::Resize) layoutMessagePanel();
    if (watched == m_toolButtons[0] && event->type() == QEvent::Enter) showAction("Loads latest League file");
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- start-up

void MainWindow::load(const QRect& screen, int screenWidthPx) {
    double share = mainWindowShare(screenWidthPx);
    resize(static_cast<int>(screen.width() * share), static_cast<int>(screen.height() * share));
    if (windowState() == Qt::WindowNoState) {
        int below = static_cast<int>(5 * logicalDpiY() / 72.0);
        move(screen.x() + (screen.width() - width()) / 2,
             screen.y() + (screen.height() - height()) / 2 + below);
    }
    StartUpResult start = loadAtStartUp(m_store);
    if (start.listFailure) m_services.dialogs.messageBox(*start.listFailure);
    if (start.firstStart) setMessagePanelText(FirstStartGreeting);

    setLeagueMenu(start.leagueMenu);
    // Items that need an open league. After a failed read they are disabled as
    // well, so nothing reaches a window that needs one.
    setLeagueItemsEnabled(false);
    m_roundsArea->setListFont(printFont(m_store.settings.FontName, 9, false));
    refreshUndoItem();
}

void MainWindow::setLeagueMenu(const std::vector<std::string>& captions) {
    for (std::size_t k = 0; k < captions.size(); ++k) {
        QAction* action = k < m_leagueItems.size() ? m_leagueItems[k] : nullptr;
        if (!action) {
            action = m_leaguesMenu->addAction(QString());
            action->setObjectName(QString("leaguesmenu%1").arg(k));
            connect(action, &QAction::triggered, this, [this, k] { chooseLeague(static_cast<int>(k)); });
            m_leagueItems.push_back(action);
        }
        action->setText(qs(captions[k]));
    }
    while (m_leagueItems.size() > std::max<std::size_t>(captions.size(), 1)) {
        delete m_leagueItems.back();
        m_leagueItems.pop_back();
    }
}

std::vector<std::string> MainWindow::leagueMenu() const {
    std::vector<std::string> captions;
    for (const QAction* action : m_leagueItems)
        captions.push_back(str(action->text()));
    return captions;
}

void MainWindow::showNoLeagueOpen() {
    setLeagueItemsEnabled(false);
    HideRoundsView();
    m_roundsArea->clearLines();
    setMessagePanelText(OpenLeagueHint);
    m_helpPanel->show();
    m_helpPanel->setEnabled(true);
}

void MainWindow::setLeagueItemsEnabled(bool enabled) {
    for (QAction* action :
         {m_enterMenu, m_graphMenu[0], m_graphMenu[1], m_leagueHcMenu, m_playerNamesMenu, m_editRoundMenu,
          m_printCardsMenu, m_playerMenu[1], m_playerMenu[2], m_playerMenu[3], m_viewMenu[1], m_viewMenu[2],
          m_viewMenu[3], m_defineTeamMenu, m_enterTeamResultsMenu, m_teamSummaryMenu, m_nightMenu,
          m_csvExportMenu, m_worksheetMenu})
        action->setEnabled(enabled);
}

// ---------------------------------------------------------------- league and views

void MainWindow::chooseLeague(int k) {
    OpenLeague(k);
}

void MainWindow::OpenLeague(int k) {
    if (k < 0 || k >= static_cast<int>(m_leagueItems.size())) {
        m_services.dialogs.beep();
        return;
    }
    std::string caption = str(m_leagueItems[k]->text());
    if (caption.empty()) return;
    if (k == 0 && caption == NoEntries) {
        m_services.dialogs.beep();
        return;
    }
    if (!settleUnsavedRounds()) return; // opening reads the league file over them
    const QString panelBefore = messagePanelText();
    setMessagePanelText(ProcessingText);
    LeagueOpening opening =
        whileBusy(m_services.dialogs, [&] { return tallyrock::OpenLeague(m_store, k, caption); });
    for (const Message& message : opening.messages)
        m_services.dialogs.messageBox(message);
    if (opening.outcome != OpenOutcome::Opened) {
        // Refused (open in another program, or no legal name): the league open before stays open.
        setMessagePanelText(panelBefore);
        return;
    }
    setMessagePanelText(qs(currentLeagueText(m_store)));
    m_helpPanel->hide();
    m_helpPanel->setEnabled(false);
    setLeagueItemsEnabled(true);
    ShowRoundsView();
}

void MainWindow::ShowRoundsView() {
    m_roundsArea->setShown(true);
    m_roundsShown = true;
    if (m_view.mode() != ViewMode::Player) {
        m_view.show(m_store);
        fillLists();
        m_viewSpin->show();
    }
}

void MainWindow::HideRoundsView() {
    m_roundsArea->setShown(false);
    m_viewSpin->hide();
    m_roundsShown = false;
}

void MainWindow::fillLists() {
    const ViewLines& lines = m_view.lines();
    m_roundsArea->showLines(lines.names, lines.rounds);
}

void MainWindow::tickView(ViewMode mode) {
    for (int i = 1; i <= 3; ++i)
        m_viewMenu[i]->setChecked(i == static_cast<int>(mode));
    m_view.setMode(mode);
}

void MainWindow::chooseView(int index) {
    if (m_store.league.LeagueFilePath.empty()) {
        tickView(m_view.mode()); // the click does not move the tick
        return;
    }
    if (index == 3) {
        if (!hasOpener(Window::ViewPlayerChooser)) {
            tickView(m_view.mode());
            return;
        }
        HideRoundsView();
        tickView(ViewMode::Player);
        openWindow(Window::ViewPlayerChooser);
        return;
    }
    tickView(static_cast<ViewMode>(index));
    ShowRoundsView();
}

void MainWindow::showAction(const QString& text) {
    m_actionMessage->setText(text);
    layoutMessagePanel();
    m_messageTimer->start();
}

void MainWindow::stepView(bool down) {
    m_actionMessage->setStyleSheet("color: rgb(0, 0, 160);");
    std::optional<std::string> message = down ? m_view.spinDown(m_store) : m_view.spinUp(m_store);
    if (m_view.mode() == ViewMode::Player) return;
    fillLists();
    if (message) showAction(qs(*message));
}

void MainWindow::startPlayerViewTimer() {
    m_playerViewTimer->start();
}
void MainWindow::startViewTimer() {
    m_viewTimer->start();
}

void MainWindow::showChosenPlayer() {
    m_playerViewTimer->stop();
    ShowRoundsView();
    m_view.fillPlayer(m_store, m_store.CurrentPlayer);
    fillLists();
}

void MainWindow::refreshTickedView() {
    m_viewTimer->stop();
    showTickedView();
}

void MainWindow::showTickedView() {
    if (m_store.league.LeagueFilePath.empty()) return;
    ShowRoundsView();
    if (m_view.mode() != ViewMode::Player) return;
    m_view.fillPlayer(m_store, m_view.player());
    fillLists();
}

void MainWindow::clearActionMessage() {
    m_messageTimer->stop();
    m_actionMessage->clear();
    layoutMessagePanel();
}

void MainWindow::setMessagePanelText(const QString& text) {
    m_messageText->setText(text);
}
QString MainWindow::messagePanelText() const {
    return m_messageText->text();
}

void MainWindow::showPrintout(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path shown = std::filesystem::relative(file, m_store.workDir, ec);
    if (ec || shown.empty()) shown = file;
    setMessagePanelText("Printout saved as " + qs(shown.string()));
}

Failure MainWindow::saveLeagueFile() {
    QString remembered = messagePanelText();
    setMessagePanelText(SavingLeagueText);
    Failure failure = whileBusy(m_services.dialogs, [&] { return SaveLeagueFile(m_store); });
    if (failure) m_services.dialogs.messageBox(*failure);
    setMessagePanelText(remembered);
    return failure;
}

// ---------------------------------------------------------------- windows

bool MainWindow::openWindow(Window window) {
    auto it = m_openers.find(window);
    if (it == m_openers.end()) return false;
    if (window == Window::LeagueCreation || window == Window::Restore) {
        // These replace the tables or the files under them: rounds not saved are settled first.
        bool unsaved = unsavedRounds(m_store) > 0;
        if (!settleUnsavedRounds()) return true;
        if (unsaved) reloadFiles();
    }
    QWidget* child = it->second(*this);
    m_services.dialogs.setBusy(false);
    if (!child) return true;
    adoptChild(child);
    child->show();
    return true;
}

void MainWindow::adoptChild(QWidget* child) {
    child->setAttribute(Qt::WA_DeleteOnClose);
    ++m_openChildren;
    setEnabled(false);
    connect(child, &QObject::destroyed, this, [this] {
        if (--m_openChildren <= 0) {
            m_openChildren = 0;
            setEnabled(true);
        }
    });
}

void MainWindow::showHelp(HelpTopic topic) {
    if (m_helpViewer) m_helpViewer->ShowHelpTopic(topic);
}

void MainWindow::enterScores() {
    if (!hasOpener(Window::RoundSetup)) return;
    HideRoundsView();
    m_services.dialogs.setBusy(true);
    openWindow(Window::RoundSetup);
}

void MainWindow::editRound() {
    if (!hasOpener(Window::EditRoundChooser)) return;
    HideRoundsView();
    openWindow(Window::EditRoundChooser);
}

void MainWindow::enterTeamResults() {
    ReloadTeams(m_store);
    if (m_store.teams.TeamsInUse) openWindow(Window::TeamPoints);
}

void MainWindow::openTeamSummary() {
    ReloadTeams(m_store);
    if (m_store.teams.TeamsInUse) openWindow(Window::TeamSummary);
}

void MainWindow::openChart(int index) {
    m_store.ChartKind = index == 0 ? "line" : "pie";
    openWindow(Window::ChartChooser);
}

void MainWindow::openWorksheet(std::optional<Date> asOf) {
    m_worksheetDate = asOf;
    openWindow(Window::Worksheet);
    m_worksheetDate.reset();
}

// In the player view a round's line opens the player's worksheet as of that round.
void MainWindow::openRoundWorksheet(int row) {
    const int p = m_store.CurrentPlayer;
    if (m_view.mode() != ViewMode::Player || p < 1 || p > m_store.league.PlayerCount || row < 2) return;
    const PlayerRecord& player = m_store.player(p);
    const int slot = player.RoundCount - (row - 2);
    if (slot < 1 || slot > std::min<int>(player.RoundCount, MaxRounds)) return;
    const RoundRecord& round = player.round[slot];
    openWorksheet(Date{round.RoundMonth, round.RoundDay, fullYear(round.RoundYear)});
}

void MainWindow::showAbout() {
    hide();
    setEnabled(false);
    auto* splash = new SplashWindow(*this, false);
    splash->show();
}

void MainWindow::runTool(int index) {
    switch (index) {
    case 0: {
        LeagueToLoad load = leagueToLoad(m_store.settings, leagueMenu());
        if (load.reason)
            m_services.dialogs.messageBox(*load.reason);
        else
            OpenLeague(load.item);
        break;
    }
    case 1:
        if (m_enterMenu->isEnabled()) enterScores();
        break;
    case 2:
        if (m_playerMenu[1]->isEnabled()) openWindow(Window::AddPlayer);
        break;
    case 3:
        manageCourses(1);
        break;
    case 4:
        showHelp(HelpTopic::Contents);
        break;
    default:
        openWindow(Window::Rules);
        break;
    }
}

// ---------------------------------------------------------------- printing

void MainWindow::printListing() {
    if (!listingOffered(m_view.lines(), m_roundsShown && m_roundsArea->listsVisibleTo(this))) return;
    Answer answer = m_services.dialogs.messageBox(listingQuestion(), Buttons::YesNoCancel, Answer::Yes);
    if (answer == Answer::Cancel) return;
    Date today = m_services.clock.today();
    BusyPointer busy(m_services.dialogs);
    if (answer == Answer::Yes)
        printlongreport(m_services.printer, m_store.settings.FontName, m_view.lines(),
                        listingTitle(m_store.league.LeagueFilePath, today, LongTitleWidth));
    else
        printshortreport(m_services.printer, m_store.settings.FontName, m_view.lines(),
                         listingTitle(m_store.league.LeagueFilePath, today, ShortTitleWidth));
}

void MainWindow::exportListing() {
    if (!listingOffered(m_view.lines(), m_roundsShown && m_roundsArea->listsVisibleTo(this))) return;
    std::optional<std::string> chosen =
        m_services.dialogs.saveFileName("Export Listing as Text", m_store.workDir.string(), "", ExportFilter);
    std::optional<std::filesystem::path> name = exportFileName(chosen.value_or(""));
    if (!name) {
        m_services.dialogs.beep();
        return;
    }
    std::filesystem::path file = name->is_absolute() ? *name : m_store.workDir / *name;
    std::string title =
        listingTitle(m_store.league.LeagueFilePath, m_services.clock.today(), ShortTitleWidth);
    if (Failure failure = shortprintfile(m_store, file, m_view.lines(), title))
        m_services.dialogs.messageBox(*failure);
}

void MainWindow::setUpPrinter() {
    showPrinterSetup(m_services);
}

// ---------------------------------------------------------------- courses

void MainWindow::enableCourseMenu() {
    // An edit or delete under way in the course panel keeps the menu until the panel is done.
    if (m_coursePanel->isVisibleTo(this) && m_panelMode != CoursePanelMode::Chart) return;
    m_coursesMenu->setEnabled(true);
}

void MainWindow::manageCourses(int index) {
    if (index == 1) {
        if (!hasOpener(Window::CourseSetup)) return;
        m_store.CourseFormMode = CourseWindowMode::Add;
        m_services.dialogs.setBusy(true);
        openWindow(Window::CourseSetup);
        return;
    }
    if (index == 2 && !hasOpener(Window::CourseSetup)) return;
    openCoursePanel(index == 2 ? CoursePanelMode::Edit : CoursePanelMode::Delete);
}

void MainWindow::showCourseChart() {
    openCoursePanel(CoursePanelMode::Chart);
}

void MainWindow::openCoursePanel(CoursePanelMode mode) {
    // The menu itself, not only its item: a menu follows the main window back to
    // enabled when another window closes, unless it was disabled in its own right.
    m_coursesMenu->setEnabled(false);
    if (Failure failure = LoadCourseFile(m_store)) m_services.dialogs.messageBox(*failure);
    if (m_store.courses.CourseCount < 1) {
        enableCourseMenu();
        return;
    }
    m_panelMode = mode;
    m_store.CourseFormMode = courseFormMode(mode);
    m_store.CurrentCourse = 0;
    m_coursePanel->offer(courseChoices(m_store.courses), qs(coursePanelButtonText(mode)));
    HideRoundsView();
    if (mode == CoursePanelMode::Chart) {
        enableCourseMenu();
        m_services.dialogs.setBusy(false);
    }
    m_coursePanel->focusCourseBox();
}

void MainWindow::chooseCourse() {
    std::string text = str(m_coursePanel->courseText());
    if (text.empty()) return;
    int course = findCourse(m_store.courses, text);
    if (course == 0) return;
    m_store.CurrentCourse = static_cast<int16_t>(course);
    m_services.dialogs.setBusy(true);
    m_coursePanel->withdraw();
    switch (m_panelMode) {
    case CoursePanelMode::Chart: {
        m_services.dialogs.setBusy(false);
        int tee = 4;
        while (tee > 3) {
            std::optional<std::string> answer =
                m_services.dialogs.inputBox(ChartTeeTitle, chartTeePrompt(), "");
            tee = chartTeeAnswer(answer.value_or(""));
        }
        if (tee >= 1) {
            BusyPointer busy(m_services.dialogs);
            PrintChcpChart(m_services.printer, m_store, course, tee);
        }
        showTickedView();
        break;
    }
    case CoursePanelMode::Edit:
        openWindow(Window::CourseSetup);
        break;
    case CoursePanelMode::Delete: {
        m_services.dialogs.setBusy(false);
        Answer answer = m_services.dialogs.messageBox(deleteCourseQuestion(), Buttons::YesNo, Answer::No);
        if (answer != Answer::Yes) {
            cancelCourseChoice();
            break;
        }
        if (Failure failure = deleteCourse(m_store, course))
            m_services.dialogs.messageBox(*failure); // the course menu stays disabled
        else
            enableCourseMenu();
        refreshUndoItem();
        showTickedView();
        break;
    }
    }
}

void MainWindow::cancelCourseChoice() {
    m_coursePanel->withdraw();
    enableCourseMenu();
    showTickedView();
}

} // namespace tallyrock
