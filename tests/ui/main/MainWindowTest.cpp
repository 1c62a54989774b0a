// The main window, driven as a user drives it: start-up, opening leagues, the
// three views and the spin button, the course panel, listings and export.
#include "cli/CliRunner.h"
#include "core/Samples.h"
#include "fakes/ListText.h"
#include "fakes/MainWindowRig.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CourseHcpChart.h"
#include "views/Listings.h"
#include "views/RoundsView.h"
#include "views/StartUp.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <unistd.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const Date Today{7, 4, 2024};

} // namespace

class MainWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // A fresh working folder with data and, on request, the league list (LF line ends, so a rewrite shows).
    void makeFolder(bool withList) {
        MainWindowRig::makeFolder();
        if (withList)
            writeFile(m_dir / "vexa.dat",
                      " 3 \nMonday\nFriday\nSeniors\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        Store files = storeIn(m_dir);
        setCourse(files, 1, "Pine Creek Club", "PCC");
        setCourse(files, 2, "Oak Hollow", "OH");
        QVERIFY(!SaveCourseFile(files));
        files.league.LeagueFilePath = "Friday.LGE";
        int ann = addSamplePlayer(files, "Ann Able");
        int bob = addSamplePlayer(files, "Bob Baker");
        addRounds(files, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 14}, {7, 3, 6, 2, 45, 43, 11.8f, 13}});
        addRounds(
            files, bob,
            {{7, 3, 6, 1, 40, 41, 5.0f, 6}, {7, 10, 6, 1, 41, 40, 4.9f, 5}, {7, 17, 6, 2, 42, 42, 5.1f, 6}});
        QVERIFY(!SaveLeagueFile(files));
        files.league = LeagueTables{};
        files.league.LeagueFilePath = "Monday.LGE";
        addRound(files, addSamplePlayer(files, "Cy Monday"), RoundSample{5, 5, 6});
        QVERIFY(!SaveLeagueFile(files));
    }
    void openFriday() {
        makeFolder(true);
        startMain(Today);
        openLeague("leaguesmenu1", "Friday");
    }
    QString panelText() { return m_window->messagePanelText(); }
    void clickTool(const char* name) { child<QToolButton>(name)->click(); }
    // Deletes the league through the league window, as a user does.
    void deleteLeague(const char* name) {
        QWidget* window = open("Creatmenu", "Createleagueform");
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), name);
        m_dialogs->answerMessage(Answer::Yes);
        closeWith(window, "deletebutton");
    }
    // The course panel of the main window answered with that course.
    void chooseCourse(const char* menu, const char* course) {
        trigger(menu);
        child<QComboBox>("Selectcoursecombo")->setEditText(course);
        child<QPushButton>("okordeletebutton")->click();
    }
    // The view the core builds for the store as it is now.
    RoundsView coreView(ViewMode mode) {
        Store copy = *m_store;
        RoundsView view;
        view.setMode(mode);
        view.show(copy);
        return view;
    }

  private slots:
    void cleanup() { finish(); }

    // The real command-line tool beside this desktop program: it may read the
    // open league but not change it, and a second desktop program cannot open it.
    void aLeagueOpenHereIsKeptFromOtherPrograms() {
        openFriday();
        std::string league = readFile(m_dir / "Friday.LGE");
        std::string refusal =
            "Friday is open in Tallyrock (process " + std::to_string(getpid()) + "); close it there first.";
        const std::vector<std::string> record{"record",   "Friday",     "--player", "Ann Able",
                                              "--course", "Oak Hollow", "--date",   "07/20/24",
                                              "--out",    "44",         "--in",     "44"};
        CliResult refused = runCli(m_dir, record);
        QCOMPARE(refused.status, 1);
        QCOMPARE(refused.err, refusal + "\n");
        QCOMPARE(readFile(m_dir / "Friday.LGE"), league);

        // A second desktop program is refused too.
        Store secondStore = storeIn(m_dir);
        secondStore.settingsDir = m_dir / "config";
        MainWindow second(secondStore, *m_services);
        second.load(QRect(0, 0, 1024, 768), 1024);
        m_dialogs->answerMessage(Answer::Ok);
        second.findChild<QAction*>("leaguesmenu1")->trigger();
        QCOMPARE(lastCall().text, refusal);
        QCOMPARE(second.messagePanelText(), QString("Open a League file to begin"));
        // Closed here (another league opened), it is free for the others.
        trigger("leaguesmenu0");
        QCOMPARE(runCli(m_dir, record).status, 0);
    }

    // A new user's first start, in an empty folder: a greeting instead of the
    // warning, and "Load League" says why it opens nothing.
    void firstStartInAnEmptyFolder() {
        MainWindowRig::makeFolder();
        makeMainWindow(m_dir / "config", Today);
        m_window->load(QRect(0, 0, 640, 480), 640);
        QVERIFY(m_dialogs->calls.empty());
        QCOMPARE(panelText(), QString(FirstStartGreeting));
        m_dialogs->answerMessage(Answer::Ok);
        clickTool("toolbutton0");
        QCOMPARE(lastCall().text, std::string("There are no leagues yet.\r\nCreate the first one "
                                              "with File > Create or Delete a League File."));
    }

    // Data files but no league list: the warning stays, and nothing opens.
    void startUpWithoutLeagueList() {
        makeFolder(false);
        makeMainWindow(m_dir / "config", Today);
        m_dialogs->answerMessage(Answer::Ok);
        m_window->load(QRect(0, 0, 640, 480), 640);
        QCOMPARE(lastCall().text, std::string("Cannot Load vexa.dat, Please check your working\r\n"
                                              "directory or Launchers startup directory setting."));
        QCOMPARE(m_window->leagueMenu(), (std::vector<std::string>{"No Entries"}));
        trigger("leaguesmenu0");
        QCOMPARE(m_dialogs->beeps, 1);
        clickTool("toolbutton1"); // the tool button follows its disabled menu item
        QCOMPARE(m_dialogs->calls.size(), std::size_t{1});
        QCOMPARE(panelText(), QString("Open a League file to begin"));
    }

    // Three leagues and no league open until one is chosen; the items that need one follow.
    void startUpAndOpeningALeague() {
        makeFolder(true);
        std::string listBefore = readFile(m_dir / "vexa.dat");
        startMain(Today);
        QCOMPARE(m_window->leagueMenu(), (std::vector<std::string>{"Monday", "Friday", "Seniors"}));
        QCOMPARE(panelText(), QString("Open a League file to begin"));
        const char* const needALeague[] = {"entermenu",  "Viewmenu3",     "defineteammenu", "Playermenu1",
                                           "graphmenu0", "editroundmenu", "nightmenu",      "worksheetmenu"};
        for (const char* name : needALeague)
            QVERIFY2(!child<QAction>(name)->isEnabled(), name);
        QVERIFY(child<QWidget>("QuickStartButton")->isVisibleTo(m_window.get()));

        openLeague("leaguesmenu1", "Friday");
        QCOMPARE(readFile(m_dir / "vexa.dat"), listBefore); // Friday was already the current league
        for (const char* name : needALeague)
            QVERIFY2(child<QAction>(name)->isEnabled(), name);
        QVERIFY(!child<QWidget>("QuickStartButton")->isVisibleTo(m_window.get()));

        // Another league becomes the current one and the list file is written.
        openLeague("leaguesmenu0", "Monday");
        QCOMPARE(readFile(m_dir / "vexa.dat"),
                 std::string(" 3 \r\nMonday\r\nFriday\r\nSeniors\r\n .96 "
                             "\r\nCourier New\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n"));
        QCOMPARE(items(child<QListWidget>("List1")),
                 (QStringList{"     Name", QString(30, '_'), "Cy Monday"}));
        clickTool("toolbutton0"); // "Load League" opens the current league again
        QCOMPARE(panelText(), QString("Current League - Monday"));
    }

    // "Load League" opens the league opened last, also after another league
    // was deleted, and says so when that league itself was deleted.
    void loadLeagueAfterLeaguesAreDeleted() {
        openFriday();
        deleteLeague("Monday");
        QCOMPARE(panelText(), QString("Open a League file to begin"));
        clickTool("toolbutton0");
        QCOMPARE(panelText(), QString("Current League - Friday"));
        deleteLeague("Friday");
        m_dialogs->answerMessage(Answer::Ok);
        clickTool("toolbutton0");
        QCOMPARE(lastCall().text, std::string("No league was opened last.\r\nChoose one from File > "
                                              "Open League File; Load League opens it again."));
    }

    void viewsAndTheSpinButtonShowTheCoreLines() {
        openFriday();
        auto* list1 = child<QListWidget>("List1");
        auto* list2 = child<QListWidget>("List2");
        QCOMPARE(items(list1), qlist(coreView(ViewMode::Recent).lines().names));
        QCOMPARE(items(list2), qlist(coreView(ViewMode::Recent).lines().rounds));
        QCOMPARE(list2->item(3)->text().left(37), QString("07/17/06   OH    42   42   84     5.1"));
        auto* action = child<QLabel>("actionmessage");
        clickTool("Spin1Down");
        QCOMPARE(action->text(), QString("Viewing rounds entered earlier"));
        QCOMPARE(list2->item(3)->text().left(8), QString("07/10/06"));
        clickTool("Spin1Up");
        QCOMPARE(action->text(), QString("Viewing more recently entered rounds"));

        trigger("Viewmenu2");
        QCOMPARE(items(list2), qlist(coreView(ViewMode::ByDate).lines().rounds));
        clickTool("Spin1Down");
        QCOMPARE(action->text(), QString("Viewing earlier dates"));
        QCOMPARE(list2->item(2)->text().left(8), QString("07/10/06"));

        // View 3 through the player chooser, which sets the player and starts Timer1.
        m_window->setOpener(MainWindow::Window::ViewPlayerChooser, [](MainWindow& main) -> QWidget* {
            main.store().CurrentPlayer = 2;
            main.startPlayerViewTimer();
            return nullptr;
        });
        trigger("Viewmenu3");
        QTRY_COMPARE(list2->count(), 5);
        RoundsView player;
        player.setMode(ViewMode::Player);
        player.fillPlayer(*m_store, 2);
        QCOMPARE(items(list1), qlist(player.lines().names));
        QCOMPARE(items(list2), qlist(player.lines().rounds));
        QVERIFY(!child<QWidget>("Spin1")->isVisibleTo(m_window.get()));
    }

    // While the panel chooses a course to edit, entering rounds and leaving
    // round set-up or score entry does not give the course menu back.
    void coursePanelKeepsTheCourseMenu() {
        openFriday();
        QAction* courses = child<QMenu>("coursesmenu")->menuAction();
        trigger("GCmenu2");
        for (bool toScoreEntry : {false, true}) {
            clickTool("toolbutton1");
            QWidget* closing = opened("selectplayers");
            QVERIFY(closing);
            if (toScoreEntry) {
                child<QListWidget>(closing, "List1")->item(0)->setSelected(true);
                child<QComboBox>(closing, "coursecombo")->setEditText("Oak Hollow");
                closeWith(closing, "acceptbutton", true);
                closing = opened("roundsform");
                QVERIFY(closing);
            }
            closeWith(closing, "cancelbutton");
            QVERIFY2(!courses->isEnabled(), toScoreEntry ? "after score entry" : "after round set-up");
        }
        QVERIFY(child<QWidget>("Selectcoursepanel")->isVisibleTo(m_window.get()));
        child<QPushButton>("okordeletecancel")->click();
        QVERIFY(courses->isEnabled());
    }

    // Whatever ends the course panel, the view that is ticked shows again.
    void theTickedViewComesBackAfterTheCoursePanel() {
        openFriday();
        trigger("Viewmenu2");
        const std::function<void()> ends[] = {
            [&] {
                trigger("GCmenu2");
                child<QPushButton>("okordeletecancel")->click();
            },
            [&] {
                m_dialogs->answerInput("2");
                chooseCourse("CHCPChartmenu", "Oak Hollow");
            },
            [&] {
                chooseCourse("GCmenu2", "Oak Hollow");
                QWidget* course = opened("course");
                QVERIFY(course);
                closeWith(course, "cancelbutton");
            },
            [&] {
                m_dialogs->answerMessage(Answer::Yes);
                chooseCourse("GCmenu3", "Oak Hollow");
            },
        };
        auto* list2 = child<QListWidget>("List2");
        for (const auto& end : ends) {
            end();
            QVERIFY(list2->isVisibleTo(m_window.get()));
            QCOMPARE(items(list2), qlist(coreView(ViewMode::ByDate).lines().rounds));
        }
        QVERIFY(!items(list2).join("").contains(" OH ")); // the deleted course's initials are gone
    }

    void coursePanelPrintsTheChart() {
        openFriday();
        m_dialogs->answerInput("5"); // above 3: asked again
        m_dialogs->answerInput("3");
        chooseCourse("CHCPChartmenu", "Pine Creek Club");
        QCOMPARE(m_dialogs->calls[0].title, std::string("Course Handicap Reference Chart for Posting"));
        TextPrinter expected;
        PrintChcpChart(expected, *m_store, 1, 3);
        QCOMPARE(m_printer->text(), expected.text());
        QVERIFY(m_printer->ended());
        // An empty answer prints nothing.
        std::size_t printed = m_printer->calls.size();
        m_dialogs->answerInput(std::nullopt);
        chooseCourse("CHCPChartmenu", "Oak Hollow");
        QCOMPARE(m_printer->calls.size(), printed);
    }

    // The question chooses the short listing (portrait) or the long one with
    // hole scores (landscape); Cancel prints nothing.
    void listingQuestionAndPages() {
        openFriday();
        m_dialogs->answerMessage(Answer::Cancel);
        trigger("Printmenu");
        QCOMPARE(lastCall().text, std::string("Include individual hole scores?   (Click Yes)\r\n\r\nList "
                                              "including hole scores prints Landscape\r\n\r\nShort list "
                                              "(click No) prints Portrait"));
        QVERIFY(m_printer->calls.empty());
        m_dialogs->answerMessage(Answer::No);
        trigger("Printmenu");
        TextPrinter shortForm;
        printshortreport(shortForm, "Courier New", coreView(ViewMode::Recent).lines(),
                         listingTitle("Friday.LGE", Today, ShortTitleWidth));
        QCOMPARE(m_printer->text(), shortForm.text());
        QCOMPARE(m_printer->calls[1], std::string("setOrientation Portrait"));

        *m_printer = RecordingPrinter{};
        m_dialogs->answerMessage(Answer::Yes);
        trigger("Printmenu");
        QCOMPARE(m_printer->pages().size(), std::size_t{1});
        std::vector<std::string> page = m_printer->pages()[0];
        QCOMPARE(page.size(), std::size_t{7 + 4});
        QCOMPARE(page[5], listingTitle("Friday.LGE", Today, LongTitleWidth));
        QVERIFY(page[7].ends_with(" 18  C Hcp # rnd"));
        QCOMPARE(m_printer->count("setOrientation Landscape"), 1);
    }
};

QTEST_MAIN(Stoppable<MainWindowTest>)
#include "MainWindowTest.moc"
