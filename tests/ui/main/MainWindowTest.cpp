// The main window, driven as a user drives it: start-up, opening leagues, the
// three views and the spin button, the course panel, listings and export.
#include "main/MainWindow.h"
#include "cli/CliRunner.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/ListText.h"
#include "fakes/MainWindowRig.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CourseHcpChart.h"
#include "views/Listings.h"
#include "views/RoundsView.h"
#include "views/StartUp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
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
    // A fresh working folder with the league list (LF line ends, so a rewrite shows) and, on request, data.
    void makeFolder(bool withList, bool withData = true) {
        static int serial = 0;
        m_dir = caseFolder("case" + std::to_string(++serial));
        if (withList)
            writeFile(m_dir / "vexa.dat",
                      " 3 \nMonday\nFriday\nSeniors\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        if (!withData) return;
        Store files;
        files.workDir = m_dir;
        setCourse(files, 1, "Pine Creek Club", "PCC");
        setCourse(files, 2, "Oak Hollow", "OH");
        QVERIFY(!SaveCourseFile(files));
        files.league.LeagueFilePath = "Friday.LGE";
        int ann = addSamplePlayer(files, "Ann Able");
        int bob = addSamplePlayer(files, "Bob Baker");
        addRound(files, ann, RoundSample{6, 1, 6, 1, 44, 45, 12.3f, 14});
        addRound(files, ann, RoundSample{7, 3, 6, 2, 45, 43, 11.8f, 13});
        addRound(files, bob, RoundSample{7, 3, 6, 1, 40, 41, 5.0f, 6});
        addRound(files, bob, RoundSample{7, 10, 6, 1, 41, 40, 4.9f, 5});
        addRound(files, bob, RoundSample{7, 17, 6, 2, 42, 42, 5.1f, 6});
        QVERIFY(!SaveLeagueFile(files));
        files.league = LeagueTables{};
        files.league.LeagueFilePath = "Monday.LGE";
        addRound(files, addSamplePlayer(files, "Cy Monday"), RoundSample{5, 5, 6});
        QVERIFY(!SaveLeagueFile(files));
    }

    // The main window over the folder, loaded as at start-up on a 1024-pixel screen.
    void makeWindow() { makeMainWindow(m_dir / "config", Today); }

    template <class T> T* child(const char* name) {
        stopAfterUnexpectedDialog();
        T* found = m_window->findChild<T*>(name);
        if (!found) qWarning("no child %s", name);
        return found;
    }
    void trigger(const char* action) {
        QAction* a = child<QAction>(action);
        QVERIFY(a);
        a->trigger();
    }
    QString panelText() { return m_window->messagePanelText(); }
    // A window the main window opened, shown.
    QWidget* topLevel(const char* name) {
        stopAfterUnexpectedDialog();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return w;
        return nullptr;
    }
    // Deletes the league through the league window, as a user does.
    void deleteLeague(const char* name) {
        trigger("Creatmenu");
        QWidget* window = topLevel("Createleagueform");
        QVERIFY(window);
        QTest::keyClicks(window->findChild<QLineEdit*>("Text1"), name);
        m_dialogs->answerMessage(Answer::Yes);
        window->findChild<QPushButton*>("deletebutton")->click();
        QTRY_VERIFY(m_window->isEnabled());
    }
    // The view the core builds for the store as it is now.
    RoundsView coreView(ViewMode mode) {
        Store copy = *m_store;
        RoundsView view;
        view.setMode(mode);
        view.show(copy);
        return view;
    }
    void openFriday() {
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        trigger("leaguesmenu1");
        QCOMPARE(panelText(), QString("Current League - Friday"));
    }

  private slots:
    void cleanup() {
        if (m_dialogs) QCOMPARE(m_dialogs->pending(), std::size_t{0});
        m_window.reset();
        deleteLeftoverWindows();
    }

    // The real command-line tool beside this desktop program: it may read the
    // open league but not change it, and a second desktop program cannot open it.
    void aLeagueOpenHereIsKeptFromOtherPrograms() {
        makeFolder(true);
        makeWindow();
        openFriday();
        std::string league = readFile(m_dir / "Friday.LGE");
        std::string refusal =
            "Friday is open in Tallyrock (process " + std::to_string(getpid()) + "); close it there first.";
        CliResult record = runCli(m_dir, {"record", "Friday", "--player", "Ann Able", "--course",
                                          "Oak Hollow", "--date", "07/20/24", "--out", "44", "--in", "44"});
        QCOMPARE(record.status, 1);
        QCOMPARE(record.err, refusal + "\n");
        QCOMPARE(readFile(m_dir / "Friday.LGE"), league);
        QCOMPARE(runCli(m_dir, {"listing", "Friday"}).status, 0);
        QCOMPARE(runCli(m_dir, {"add-player", "Monday", "Dee Monday"}).status, 0);

        Store secondStore;
        secondStore.workDir = m_dir;
        secondStore.settingsDir = m_dir / "config";
        FakeDialogs secondDialogs(failAtUnexpectedDialog);
        UiServices secondServices{secondDialogs, *m_printer, *m_clock, nullptr};
        MainWindow second(secondStore, secondServices);
        second.load(QRect(0, 0, 1024, 768), 1024);
        secondDialogs.answerMessage(Answer::Ok);
        second.findChild<QAction*>("leaguesmenu1")->trigger();
        QCOMPARE(secondDialogs.calls.back().text, refusal);
        QVERIFY(secondStore.league.LeagueFilePath.empty());
        QCOMPARE(second.messagePanelText(), QString("Open a League file to begin"));

        // Closed here (another league opened), it is free for the others.
        trigger("leaguesmenu0");
        QCOMPARE(runCli(m_dir, {"record", "Friday", "--player", "Ann Able", "--course", "Oak Hollow",
                                "--date", "07/20/24", "--out", "44", "--in", "44"})
                     .status,
                 0);
    }

    // A new user's first start, in an empty folder: a greeting instead of the
    // warning, and "Load League" says why it opens nothing.
    void firstStartInAnEmptyFolder() {
        makeFolder(false, false);
        makeWindow();
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        QVERIFY(m_dialogs->calls.empty());
        QCOMPARE(panelText(), QString(FirstStartGreeting));
        m_dialogs->answerMessage(Answer::Ok);
        child<QToolButton>("toolbutton0")->click();
        QCOMPARE(m_dialogs->calls.back().text,
                 std::string("There are no leagues yet.\r\nCreate the first one "
                             "with File > Create or Delete a League File."));
    }

    // Data files but no league list: the warning stays.
    void startUpWithoutLeagueList() {
        makeFolder(false);
        makeWindow();
        m_dialogs->answerMessage(Answer::Ok);
        m_window->load(QRect(0, 0, 640, 480), 640);
        QCOMPARE(m_dialogs->calls.size(), std::size_t{1});
        QCOMPARE(m_dialogs->calls[0].text, std::string("Cannot Load vexa.dat, Please check your working\r\n"
                                                       "directory or Launchers startup directory setting."));
        QMenu* leagues = child<QMenu>("Openmenu");
        QCOMPARE(leagues->actions().size(), 1);
        QCOMPARE(leagues->actions()[0]->text(), QString("No Entries"));
        QCOMPARE(panelText(), QString("Open a League file to begin"));
        trigger("leaguesmenu0");
        QCOMPARE(m_dialogs->beeps, 1);
        QVERIFY(m_store->league.LeagueFilePath.empty());
        // The tool button follows its disabled menu item.
        child<QToolButton>("toolbutton1")->click();
        QCOMPARE(m_dialogs->calls.size(), std::size_t{1});
    }

    // "Load League" opens the league opened last, also after another league
    // was deleted, and says so when that league itself was deleted.
    void loadLeagueAfterLeaguesAreDeleted() {
        makeFolder(true);
        makeWindow();
        openFriday();
        deleteLeague("Monday");
        QCOMPARE(panelText(), QString("Open a League file to begin"));
        child<QToolButton>("toolbutton0")->click();
        QCOMPARE(panelText(), QString("Current League - Friday"));
        deleteLeague("Friday");
        m_dialogs->answerMessage(Answer::Ok);
        child<QToolButton>("toolbutton0")->click();
        QCOMPARE(m_dialogs->calls.back().text,
                 std::string("No league was opened last.\r\nChoose one from File > "
                             "Open League File; Load League opens it again."));
        QCOMPARE(panelText(), QString("Open a League file to begin"));
    }

    // Three leagues and no league open until one is chosen.
    void startUpAndOpeningALeague() {
        makeFolder(true);
        makeWindow();
        std::string listBefore = readFile(m_dir / "vexa.dat");
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        QStringList captions;
        for (QAction* a : child<QMenu>("Openmenu")->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"Monday", "Friday", "Seniors"}));
        QCOMPARE(panelText(), QString("Open a League file to begin"));
        for (const char* name : {"entermenu", "Viewmenu1", "Playermenu1", "editroundmenu"})
            QVERIFY2(!child<QAction>(name)->isEnabled(), name);
        QVERIFY(child<QWidget>("QuickStartButton")->isVisibleTo(m_window.get()));

        trigger("leaguesmenu1");
        QCOMPARE(panelText(), QString("Current League - Friday"));
        QVERIFY(m_dialogs->calls.empty());
        QCOMPARE(readFile(m_dir / "vexa.dat"), listBefore); // Friday was already the current league
        for (const char* name :
             {"entermenu", "Viewmenu3", "defineteammenu", "Playermenu1", "graphmenu0", "editroundmenu"})
            QVERIFY2(child<QAction>(name)->isEnabled(), name);
        QVERIFY(!child<QWidget>("QuickStartButton")->isVisibleTo(m_window.get()));

        // Another league becomes the current one and the list file is written.
        trigger("leaguesmenu0");
        QCOMPARE(panelText(), QString("Current League - Monday"));
        QCOMPARE(readFile(m_dir / "vexa.dat"),
                 std::string(" 3 \r\nMonday\r\nFriday\r\nSeniors\r\n .96 "
                             "\r\nCourier New\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n"));
        QCOMPARE(items(child<QListWidget>("List1")),
                 (QStringList{"     Name", QString(30, '_'), "Cy Monday"}));

        // "Load League" opens the current league again.
        child<QToolButton>("toolbutton0")->click();
        QCOMPARE(panelText(), QString("Current League - Monday"));
    }

    void viewsShowTheCoreLines() {
        makeFolder(true);
        makeWindow();
        openFriday();
        auto* list1 = child<QListWidget>("List1");
        auto* list2 = child<QListWidget>("List2");
        RoundsView recent = coreView(ViewMode::Recent);
        QCOMPARE(items(list1), qlist(recent.lines().names));
        QCOMPARE(items(list2), qlist(recent.lines().rounds));
        QCOMPARE(list2->item(3)->text().left(37), QString("07/17/06   OH    42   42   84     5.1"));

        trigger("Viewmenu2");
        RoundsView byDate = coreView(ViewMode::ByDate);
        QCOMPARE(items(list2), qlist(byDate.lines().rounds));

        // View 3 through the player chooser, which sets the player and starts Timer1.
        m_window->setOpener(MainWindow::Window::ViewPlayerChooser, [](MainWindow& main) -> QWidget* {
            main.store().CurrentPlayer = 2;
            main.startTimer1();
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

    void spinButtonStepsThroughRoundsAndDates() {
        makeFolder(true);
        makeWindow();
        openFriday();
        auto* list2 = child<QListWidget>("List2");
        auto* action = child<QLabel>("actionmessage");
        child<QToolButton>("Spin1Down")->click();
        QCOMPARE(action->text(), QString("Viewing rounds entered earlier"));
        QCOMPARE(list2->count(), 4);
        QCOMPARE(list2->item(2)->text().left(8), QString("06/01/06"));
        QCOMPARE(list2->item(3)->text().left(8), QString("07/10/06"));
        child<QToolButton>("Spin1Down")->click();
        QCOMPARE(list2->count(), 3); // Ann had two rounds
        child<QToolButton>("Spin1Up")->click();
        QCOMPARE(action->text(), QString("Viewing more recently entered rounds"));
        QCOMPARE(list2->item(2)->text().left(8), QString("06/01/06"));

        trigger("Viewmenu2");
        QCOMPARE(list2->item(2)->text().left(8), QString("07/17/06"));
        child<QToolButton>("Spin1Down")->click();
        QCOMPARE(action->text(), QString("Viewing earlier dates"));
        QCOMPARE(list2->item(2)->text().left(8), QString("07/10/06"));
        child<QToolButton>("Spin1Down")->click();
        QCOMPARE(items(child<QListWidget>("List1")).mid(2), (QStringList{"Ann Able", "Bob Baker"}));
        child<QToolButton>("Spin1Down")->click();
        child<QToolButton>("Spin1Down")->click(); // the first date: nothing more
        QCOMPARE(list2->item(2)->text().left(8), QString("06/01/06"));
        child<QToolButton>("Spin1Up")->click();
        QCOMPARE(action->text(), QString("Viewing more recent dates"));
        QCOMPARE(list2->item(2)->text().left(8), QString("07/03/06"));
    }

    void coursePanelEdits() {
        makeFolder(true);
        makeWindow();
        openFriday();
        CourseWindowMode mode = CourseWindowMode::None;
        int course = -1;
        QPointer<QWidget> opened;
        m_window->setOpener(MainWindow::Window::CourseSetup, [&](MainWindow& main) -> QWidget* {
            mode = main.store().CourseFormMode;
            course = main.store().CurrentCourse;
            opened = new QWidget;
            return opened;
        });
        trigger("GCmenu2");
        auto* panel = child<QWidget>("Selectcoursepanel");
        auto* combo = child<QComboBox>("Selectcoursecombo");
        QVERIFY(!child<QMenu>("coursesmenu")->menuAction()->isEnabled());
        combo->setEditText("no such course");
        child<QPushButton>("okordeletebutton")->click();
        QVERIFY(panel->isVisibleTo(m_window.get()));
        combo->setEditText("oak HOLLOW");
        child<QPushButton>("okordeletebutton")->click();
        QVERIFY(mode == CourseWindowMode::Edit);
        QCOMPARE(course, 2);
        QVERIFY(!panel->isVisibleTo(m_window.get()));
        QVERIFY(!m_window->isEnabled());
        opened->close();
        QTRY_VERIFY(opened.isNull());
        QVERIFY(m_window->isEnabled());
    }

    // While the panel chooses a course to edit, entering rounds and leaving
    // round set-up or score entry does not give the course menu back.
    void coursePanelKeepsTheCourseMenu() {
        makeFolder(true);
        makeWindow();
        openFriday();
        QAction* courses = child<QMenu>("coursesmenu")->menuAction();
        trigger("GCmenu2");
        for (bool toScoreEntry : {false, true}) {
            child<QToolButton>("toolbutton1")->click();
            QWidget* setup = topLevel("selectplayers");
            QVERIFY(setup);
            QWidget* closing = setup;
            if (toScoreEntry) {
                setup->findChild<QListWidget*>("List1")->item(0)->setSelected(true);
                setup->findChild<QComboBox*>("coursecombo")->setEditText("Oak Hollow");
                setup->findChild<QPushButton*>("acceptbutton")->click();
                closing = topLevel("roundsform");
                QVERIFY(closing);
            }
            closing->findChild<QPushButton*>("cancelbutton")->click();
            QTRY_VERIFY(m_window->isEnabled());
            QVERIFY2(!courses->isEnabled(), toScoreEntry ? "after score entry" : "after round set-up");
        }
        QVERIFY(child<QWidget>("Selectcoursepanel")->isVisibleTo(m_window.get()));
        QCOMPARE(child<QPushButton>("okordeletebutton")->text(), QString("Ok"));
        child<QPushButton>("okordeletecancel")->click();
        QVERIFY(courses->isEnabled());
    }

    // Whatever ends the course panel, the view that is ticked shows again.
    void theTickedViewComesBackAfterTheCoursePanel() {
        makeFolder(true);
        makeWindow();
        openFriday();
        trigger("Viewmenu2");
        auto* combo = child<QComboBox>("Selectcoursecombo");
        const std::function<void()> ends[] = {
            [&] {
                trigger("GCmenu2");
                child<QPushButton>("okordeletecancel")->click();
            },
            [&] {
                trigger("CHCPChartmenu");
                combo->setEditText("Oak Hollow");
                m_dialogs->answerInput("2");
                child<QPushButton>("okordeletebutton")->click();
            },
            [&] {
                trigger("GCmenu2");
                combo->setEditText("Oak Hollow");
                child<QPushButton>("okordeletebutton")->click();
                QWidget* course = topLevel("course");
                QVERIFY(course);
                course->findChild<QPushButton*>("cancelbutton")->click();
                QTRY_VERIFY(m_window->isEnabled());
            },
            [&] {
                trigger("GCmenu3");
                combo->setEditText("Oak Hollow");
                m_dialogs->answerMessage(Answer::Yes);
                child<QPushButton>("okordeletebutton")->click();
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

    void coursePanelDeletes() {
        makeFolder(true);
        makeWindow();
        openFriday();
        auto* combo = child<QComboBox>("Selectcoursecombo");
        trigger("GCmenu3");
        std::string before = readFile(m_dir / "course.dat");
        combo->setEditText("Pine Creek Club");
        m_dialogs->answerMessage(Answer::No);
        child<QPushButton>("okordeletebutton")->click();
        QCOMPARE(m_dialogs->calls.back().title, std::string("Confirm Delete"));
        QCOMPARE(m_dialogs->calls.back().defaultButton, Answer::No);
        QCOMPARE(readFile(m_dir / "course.dat"), before);
        QVERIFY(!child<QWidget>("Selectcoursepanel")->isVisibleTo(m_window.get()));

        trigger("GCmenu3");
        combo->setEditText("Pine Creek Club");
        m_dialogs->answerMessage(Answer::Yes);
        child<QPushButton>("okordeletebutton")->click();
        QCOMPARE(m_store->courses.CourseCount, int16_t{2});
        Store reread;
        reread.workDir = m_dir;
        QVERIFY(!LoadCourseFile(reread));
        QVERIFY(reread.courses.name(1).empty());
        // Rounds on the deleted course show no initials.
        trigger("Viewmenu1");
        child<QToolButton>("Spin1Down")->click(); // both players' rounds on the deleted course
        QCOMPARE(child<QListWidget>("List2")->item(2)->text().left(14), QString("06/01/06      "));
        QCOMPARE(child<QListWidget>("List2")->item(3)->text().left(14), QString("07/10/06      "));
    }

    void coursePanelPrintsTheChart() {
        makeFolder(true);
        makeWindow();
        openFriday();
        trigger("CHCPChartmenu");
        child<QComboBox>("Selectcoursecombo")->setEditText("Pine Creek Club");
        m_dialogs->answerInput("5"); // above 3: asked again
        m_dialogs->answerInput("3");
        child<QPushButton>("okordeletebutton")->click();
        QCOMPARE(m_dialogs->calls.size(), std::size_t{2});
        QCOMPARE(m_dialogs->calls[0].title, std::string("Course Handicap Reference Chart for Posting"));
        TextPrinter expected;
        PrintChcpChart(expected, *m_store, 1, 3);
        QCOMPARE(m_printer->text(), expected.text());
        QVERIFY(m_printer->ended());

        // An empty answer prints nothing.
        RecordingPrinter before = *m_printer;
        trigger("CHCPChartmenu");
        child<QComboBox>("Selectcoursecombo")->setEditText("Oak Hollow");
        m_dialogs->answerInput(std::nullopt);
        child<QPushButton>("okordeletebutton")->click();
        QCOMPARE(m_printer->calls.size(), before.calls.size());
    }

    void listingQuestionAndPages() {
        makeFolder(true);
        makeWindow();
        openFriday();
        m_dialogs->answerMessage(Answer::Cancel);
        trigger("Printmenu");
        QCOMPARE(m_dialogs->calls.back().text,
                 std::string(
                     "Include individual hole scores?   (Click Yes)\r\n\r\nList including hole scores prints "
                     "Landscape\r\n\r\nShort list (click No) prints Portrait"));
        QVERIFY(m_printer->calls.empty());

        m_dialogs->answerMessage(Answer::No);
        trigger("Printmenu");
        TextPrinter shortForm;
        printshortreport(shortForm, "Courier New", coreView(ViewMode::Recent).lines(),
                         listingTitle("Friday.LGE", Today, ShortTitleWidth));
        QCOMPARE(m_printer->text(), shortForm.text());
        QCOMPARE(m_printer->calls[1], std::string("setOrientation Portrait"));
        QCOMPARE(m_printer->count("setFontSize 10"), 1);

        RecordingPrinter longPrinter;
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, longPrinter, *m_clock, nullptr});
        MainWindow second(*m_store, *m_services);
        second.load(QRect(0, 0, 1024, 768), 1024);
        second.findChild<QAction*>("leaguesmenu1")->trigger();
        m_dialogs->answerMessage(Answer::Yes);
        second.findChild<QAction*>("Printmenu")->trigger();
        QCOMPARE(longPrinter.pages().size(), std::size_t{1});
        std::vector<std::string> page = longPrinter.pages()[0];
        QCOMPARE(page.size(), std::size_t{7 + 4});
        QCOMPARE(page[5], listingTitle("Friday.LGE", Today, LongTitleWidth));
        QCOMPARE(page[7].size(), std::size_t{135});
        QVERIFY(page[7].ends_with(" 18  C Hcp # rnd"));
        QCOMPARE(longPrinter.count("setOrientation Landscape"), 1);
    }
};

QTEST_MAIN(Stoppable<MainWindowTest>)
#include "MainWindowTest.moc"
