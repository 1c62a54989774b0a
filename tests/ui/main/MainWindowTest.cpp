// The main window as a user drives it: start-up, leagues, the views, the spin button, the course panel.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/StartUp.h"

#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <functional>

using namespace tallyrock;
using namespace tallyrock::test;

const Date Today{7, 4, 2024};

class MainWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // A fresh working folder with data and the league list (LF line ends, so a rewrite shows).
    void makeLeagues() {
        makeFolder();
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
        makeLeagues();
        startMain(Today);
        openLeague("leaguesmenu1", "Friday");
    }
    QString panelText() { return m_window->messagePanelText(); }
    void clickTool(const char* name) { child<QToolButton>(name)->click(); }
  private slots:
    void cleanup() { finish(); }

    // A first start in an empty folder greets; "Load League" says why it opens nothing.
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

    // Three leagues and no league open until one is chosen; the items that need one follow.
    void startUpAndOpeningALeague() {
        makeLeagues();
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

    void viewsAndTheSpinButtonShowTheCoreLines() {
        openFriday();
        auto* list1 = child<QListWidget>("List1");
        auto* list2 = child<QListWidget>("List2");
        QCOMPARE(items(list1), qlist(coreLines(ViewMode::Recent).names));
        QCOMPARE(items(list2), qlist(coreLines(ViewMode::Recent).rounds));
        QCOMPARE(list2->item(3)->text().left(37), QString("07/17/06   OH    42   42   84     5.1"));
        auto* action = child<QLabel>("actionmessage");
        clickTool("Spin1Down");
        QCOMPARE(action->text(), QString("Viewing rounds entered earlier"));
        QCOMPARE(list2->item(3)->text().left(8), QString("07/10/06"));
        clickTool("Spin1Up");
        QCOMPARE(action->text(), QString("Viewing more recently entered rounds"));

        trigger("Viewmenu2");
        QCOMPARE(items(list2), qlist(coreLines(ViewMode::ByDate).rounds));
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
        QCOMPARE(items(list1), qlist(coreLines(ViewMode::Player, 2).names));
        QCOMPARE(items(list2), qlist(coreLines(ViewMode::Player, 2).rounds));
        QVERIFY(!child<QWidget>("Spin1")->isVisibleTo(m_window.get()));
    }

    // Leaving round set-up or score entry while the panel is open does not give the course menu back.
    void coursePanelKeepsTheCourseMenu() {
        openFriday();
        QAction* courses = child<QMenu>("coursesmenu")->menuAction();
        trigger("GCmenu2");
        for (bool toScoreEntry : {false, true}) {
            clickTool("toolbutton1");
            QWidget* closing = shown("selectplayers");
            if (toScoreEntry) {
                child<QListWidget>(closing, "List1")->item(0)->setSelected(true);
                child<QComboBox>(closing, "coursecombo")->setEditText("Oak Hollow");
                closeWith(closing, "acceptbutton", true);
                closing = shown("roundsform");
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
                closeWith(shown("course"), "cancelbutton");
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
            QCOMPARE(items(list2), qlist(coreLines(ViewMode::ByDate).rounds));
        }
        QVERIFY(!items(list2).join("").contains(" OH ")); // the deleted course's initials are gone
    }
};

QTEST_MAIN(Stoppable<MainWindowTest>)
#include "MainWindowTest.moc"
