// The course, league and player windows from the main window's menus: shown, refused, written.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "roster/CourseOps.h"
#include "roster/LeagueOps.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

const char* const Names[] = {"Ann Able", "Bob Baker", "Cyd Cole", "Dee Dunn",
                             "Eve Egan", "Fay Ford",  "Gus Gray", "Hal Hart"};

class RosterWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // The folder with the listed leagues and courses; the main window started on it.
    void start(const std::vector<std::string>& leagues,
               const std::vector<std::pair<std::string, std::string>>& courses = {
                   {"Pine Creek Club", "PCC"}}) {
        makeFolder();
        Settings s;
        SetDefaults(s);
        for (const std::string& name : leagues)
            s.LeagueList[static_cast<std::size_t>(++s.LeagueCount)] = name;
        writeFile(m_dir / "vexa.dat", leagueListText(s));
        Store files = storeIn(m_dir);
        int c = 0;
        for (const auto& [name, initials] : courses)
            setCourse(files, ++c, name, initials);
        QVERIFY(!SaveCourseFile(files));
        startMain(Date{7, 4, 2024});
    }

    // League "Club" of the first n names, open; player p has p rounds and team teams[p - 1].
    void openClub(int n, const std::vector<int16_t>& teams = {}) {
        start({"Club"});
        Store files = storeIn(m_dir, "Club.LGE");
        for (int p = 1; p <= n; ++p) {
            addSamplePlayer(files, Names[p - 1], 1 + p % 3);
            for (int r = 1; r <= p; ++r)
                addChartRound(files, p, static_cast<float>(p * 10 + r), 0);
        }
        QVERIFY(!SaveLeagueFile(files));
        if (!teams.empty()) {
            files.teams.TeamCount = 2;
            files.teams.team[1].TeamName = "Eagles";
            files.teams.team[2].TeamName = "Hawks";
            for (int p = 1; p <= n; ++p)
                files.teams.PlayerTeam[static_cast<std::size_t>(p)] = teams[static_cast<std::size_t>(p - 1)];
            QVERIFY(!SaveTeamFile(files));
        }
        openLeague("leaguesmenu0", "Club");
    }

    std::unique_ptr<Store> loadClub() {
        auto store = std::make_unique<Store>();
        store->workDir = m_dir;
        store->league.LeagueFilePath = "Club.LGE";
        if (LoadLeagueFile(*store)) qWarning("Club.LGE does not load");
        ReloadTeams(*store);
        return store;
    }
    CourseTable loadCourses() {
        Store store = storeIn(m_dir);
        if (LoadCourseFile(store)) qWarning("course.dat does not load");
        return store.courses;
    }

    bool courseMenuEnabled() { return child<QMenu>("coursesmenu")->menuAction()->isEnabled(); }
    void typePars(QWidget* course, const std::vector<int>& pars) {
        for (std::size_t i = 0; i < pars.size(); ++i)
            retype(course, QString("Partext%1").arg(i + 1), QString::number(pars[i]));
    }

  private slots:
    void cleanup() { finish(); }

    // Live totals, nine holes refused, ratings and slopes stepped and typed (refusals beep), saved.
    void courseAddedFromTheMenu() {
        start({"Club"}, {{"Pine Creek Club", "PCC"}, {"Oak Hollow", "OH"}});
        QWidget* course = open("GCmenu1", "course");
        QTest::keyClicks(child<QLineEdit>(course, "Nametext"), "Maple Run");
        QTest::keyClicks(child<QLineEdit>(course, "Partext2"), "x.-5");
        QCOMPARE(text(course, "Partext2"), QString(" 5"));
        typePars(course, {4, 4, 3, 5, 4, 4, 3, 5, 4});
        m_dialogs->answerMessage(Answer::Ok);
        click(course, "savebutton");
        QVERIFY(lastCall().text.starts_with("Insufficient information to save\r\nCourse data."));
        typePars(course, {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 5, 3, 4, 4, 4, 3, 5, 4});
        QCOMPARE(text(course, "Outlabel") + text(course, "Totallabel"), QString("36 72"));
        QTest::keyClicks(child<QLineEdit>(course, "initialstext"), "MRCX");
        click(course, "WhiteratingspinUp");
        click(course, "WhiteratingspinUp");
        click(course, "whiteslopespinDown");
        for (auto [panel, typed] :
             {std::pair{"redratepanel", "70.5"}, std::pair{"redratepanel", "abc"},
              std::pair{"redslopepanel", "120.4"}, std::pair{"Blueslopepanel", "300"}}) {
            retype(course, panel, typed);
            QTest::keyClick(child<QLineEdit>(course, panel), Qt::Key_Return);
        }
        QCOMPARE(m_dialogs->beeps, 2);
        QTest::keyClick(child<QLineEdit>(course, "redratepanel"), Qt::Key_Up); // steps as the spin does
        retype(course, "blueratepanel", "71"); // a spin steps from what was typed
        click(course, "blueratingspinUp");
        closeWith(course, "savebutton");
        QVERIFY(courseMenuEnabled());
        CourseTable written = loadCourses();
        QCOMPARE(written.CourseCount, int16_t(3));
        const auto& f = written.CourseField[3];
        QCOMPARE(f[field::Name] + f[field::holePar(3)] + f[field::Initials], std::string("Maple Run 3MRC"));
        std::string tees;
        for (int t = 1; t <= 3; ++t)
            tees +=
                f[static_cast<std::size_t>(field::rating(t))] + f[static_cast<std::size_t>(field::slope(t))];
        QCOMPARE(tees, std::string(" 70.6 120 65.2 112 71.1 113"));
    }

    // A deleted course's number goes to the next course added; editing gives the menu back.
    void coursePanelDeletesAndEdits() {
        start({}, {{"Pine Creek Club", "PCC"}, {"Oak Hollow", "OH"}, {"Elm Park", "EP"}});
        m_dialogs->answerMessage(Answer::Yes);
        chooseCourse("GCmenu3", "oak hollow");
        QVERIFY(loadCourses().name(2).empty());
        QWidget* course = open("GCmenu1", "course");
        QCOMPARE(m_store->CurrentCourse, int16_t(2));
        QTest::keyClicks(child<QLineEdit>(course, "Nametext"), "X");
        typePars(course, std::vector<int>(18, 4));
        closeWith(course, "savebutton");
        QCOMPARE(loadCourses().name(2), std::string("X"));

        chooseCourse("GCmenu2", "Elm Park");
        QVERIFY(!courseMenuEnabled());
        course = shown("course");
        QCOMPARE(text(course, "Nametext"), QString("Elm Park"));
        click(course, "redrateingspinDown");
        QCOMPARE(text(course, "redratepanel"), QString("70.4"));
        const std::string before = readFile(m_dir / "course.dat");
        closeWith(course, "cancelbutton");
        QVERIFY(courseMenuEnabled());
        QCOMPARE(readFile(m_dir / "course.dat"), before);
    }

    void creatingOnAnEmptyListReplacesNoEntries() {
        start({});
        QCOMPARE(m_window->leagueMenu(), (std::vector<std::string>{"No Entries"}));
        QWidget* league = open("Creatmenu", "Createleagueform");
        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "Mon.day");
        closeWith(league, "Okbutton");
        QCOMPARE(m_window->leagueMenu(), (std::vector<std::string>{"Monday"}));
        QVERIFY(fs::exists(m_dir / "Monday.LGE"));
    }

    // Names in use or unfit refused; deleting the first league asks, blanks it, closes it till reloaded.
    void refusingAndDeletingLeagues() {
        start({"Monday", "Friday", "Seniors"});
        for (const char* file : {"Monday.LGE", "Friday.LGE", "Seniors.LGE", "Monday.TEA"})
            writeFile(m_dir / file, " 0 \r\n");
        openLeague("leaguesmenu1", "Friday");
        QWidget* league = open("Creatmenu", "Createleagueform");
        for (auto [typed, refusal] : {std::pair{"MONDAY", "That name is already in use."},
                                      std::pair{"Week:1", "Illegal Name for file"}}) {
            QTest::keyClicks(child<QLineEdit>(league, "Text1"), typed);
            m_dialogs->answerMessage(Answer::Ok);
            click(league, "Okbutton");
            QCOMPARE(lastCall().text, std::string(refusal));
            QCOMPARE(text(league, "Text1"), QString());
        }
        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "monday");
        m_dialogs->answerMessage(Answer::No);
        click(league, "deletebutton");
        QCOMPARE(lastCall().defaultButton, Answer::No);
        QVERIFY(fs::exists(m_dir / "Monday.TEA"));
        m_dialogs->answerMessage(Answer::Yes);
        closeWith(league, "deletebutton");
        QCOMPARE(m_window->leagueMenu(), (std::vector<std::string>{"", "Friday", "Seniors"}));
        QCOMPARE(m_window->messagePanelText(), QString("Open a League file to begin"));
        QVERIFY(!fs::exists(m_dir / "Monday.TEA"));
        trigger("leaguesmenu0"); // the blank item opens nothing
        QCOMPARE(m_window->messagePanelText(), QString("Open a League file to begin"));
        // "Load League" opens the league opened last, and says so once that one is deleted too.
        child<QToolButton>("toolbutton0")->click();
        QCOMPARE(m_window->messagePanelText(), QString("Current League - Friday"));
        league = open("Creatmenu", "Createleagueform");
        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "Friday");
        m_dialogs->answerMessage(Answer::Yes);
        closeWith(league, "deletebutton");
        m_dialogs->answerMessage(Answer::Ok);
        child<QToolButton>("toolbutton0")->click();
        QCOMPARE(lastCall().text, std::string("No league was opened last.\r\nChoose one from File > "
                                              "Open League File; Load League opens it again."));
    }

    void addingTurnsQuotesIntoApostrophesAndAddsOnEnter() {
        openClub(5);
        QWidget* add = open("Playermenu1", "playform");
        auto* name = child<QLineEdit>(add, "Text1");
        QTest::keyClicks(name, "Jo\"e");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(text(add, "playernumlabel"), QString("6 member(s)"));
        QCOMPARE(name->text(), QString());
        QTest::keyClicks(name, "Al");
        click(add, "Addbutton");
        QCOMPARE(m_dialogs->beeps, 1);
        for (auto [typed, refusal] : {std::pair{"ann able", "That name is already taken!"},
                                      std::pair{"     ", "A player name cannot be made of blanks only."}}) {
            paste(add, "Text1", typed);
            m_dialogs->answerMessage(Answer::Ok);
            click(add, "Addbutton");
            QCOMPARE(lastCall().text, std::string(refusal));
            QCOMPARE(name->text(), QString());
        }
        child<QRadioButton>(add, "Option3D1_2")->click();
        QTest::keyClicks(name, "Zed Long");
        QTest::keyClick(child<QWidget>(add, "Option3D1_2"), Qt::Key_Enter); // the window sees Enter first
        QCOMPARE(text(add, "playernumlabel"), QString("7 member(s)"));

        auto expected = loadClub();
        addPlayer(*expected, "Jo'e", 2);
        addPlayer(*expected, "Zed Long", 3);
        closeWith(add, "exitbutton");
        QCOMPARE(readFile(m_dir / "Club.LGE"), leagueFileText(expected->league));
        QVERIFY(!fileExists(m_dir, "Club.tea")); // no teams, no team file
    }

    // Whatever is pasted, no name box keeps a line break or another control character.
    void nameBoxesDropPastedControlCharacters() {
        openClub(5);
        const QString clip = QString::fromUtf8("Núñez\r\nHills\t\x7F\x1B");
        const QString kept = QString::fromUtf8("NúñezHills");
        for (auto [action, window, box, close] :
             {std::tuple{"Playermenu1", "playform", "Text1", "exitbutton"},
              std::tuple{"Playernamesmenu", "Playernm", "Text1", "exitbutton"},
              std::tuple{"GCmenu1", "course", "Nametext", "cancelbutton"},
              std::tuple{"Creatmenu", "Createleagueform", "Text1", "Command3d1"}}) {
            QWidget* w = open(action, window);
            paste(w, box, clip);
            QCOMPARE(text(w, box), kept);
            closeWith(w, close);
        }
        QCOMPARE(loadClub()->league.PlayerCount, int16_t(5));
    }

    void removingPlayerThreeOfFiveMovesRoundsAndTeams() {
        openClub(5, {1, 2, 1, 2, 1});
        QWidget* remove = open("Playermenu3", "RMplayer");
        auto* list = child<QListWidget>(remove, "List1");
        QCOMPARE(items(list), (QStringList{"Ann Able", "Bob Baker", "Cyd Cole", "Dee Dunn", "Eve Egan"}));
        click(remove, "removebutton");
        QCOMPARE(m_dialogs->beeps, 1);
        for (Answer answer : {Answer::No, Answer::Yes}) {
            list->setCurrentRow(2);
            m_dialogs->answerMessage(answer);
            click(remove, "removebutton");
            QCOMPARE(list->count(), answer == Answer::No ? 5 : 4);
        }
        QCOMPARE(lastCall().text,
                 std::string("Are you sure you want to remove the player\r\nCyd Cole  from your "
                             "League?\r\n\r\n     CONTINUE?          Select 'NO' to cancel"));
        QCOMPARE(lastCall().defaultButton, Answer::No);
        // A double click on the last line removes it too.
        m_dialogs->answerMessage(Answer::Yes);
        doubleClickRow(list, 3);
        QCOMPARE(items(list), (QStringList{"Ann Able", "Bob Baker", "Dee Dunn"}));

        auto expected = loadClub();
        removePlayer(*expected, 3);
        removePlayer(*expected, 4);
        closeWith(remove, "exitbutton");
        QCOMPARE(readFile(m_dir / "Club.LGE"), leagueFileText(expected->league));
        QCOMPARE(readFile(resolveFile(m_dir, "Club.tea")), teamFileText(expected->teams, 3));
    }

    void renamingChecksExactlyAndAsksFirst() {
        openClub(5);
        QWidget* rename = open("Playernamesmenu", "Playernm");
        auto* list = child<QListWidget>(rename, "List1");
        list->setCurrentRow(1);
        QCOMPARE(text(rename, "Text1"), QString("Bob Baker"));
        retype(rename, "Text1", "Bob");
        click(rename, "renamebutton");
        QCOMPARE(m_dialogs->beeps, 1);
        retype(rename, "Text1", "Ann Able");
        m_dialogs->answerMessage(Answer::Ok);
        click(rename, "renamebutton");
        QCOMPARE(lastCall().text, std::string("This name is already in use\r\nand cannot be used again."));
        retype(rename, "Text1", "ANN ABLE"); // letter case counts
        m_dialogs->answerMessage(Answer::Yes);
        click(rename, "renamebutton");
        QCOMPARE(lastCall().defaultButton, Answer::No);
        list->setCurrentRow(2);
        retype(rename, "Text1", "Cyd Coleman");
        m_dialogs->answerMessage(Answer::No);
        click(rename, "renamebutton");
        closeWith(rename, "exitbutton");
        auto written = loadClub();
        QCOMPARE(qlist(rosterNames(written->league)),
                 (QStringList{"Ann Able", "ANN ABLE", "Cyd Cole", "Dee Dunn", "Eve Egan"}));
        QCOMPARE(written->player(2).RoundCount, int16_t(2));
    }

    void orderMovesFiveOfEightToTwoAndTwoToSix() {
        openClub(8, {1, 2, 1, 2, 1, 2, 0, 2});
        QWidget* order = open("Playermenu2", "sortform");
        auto* list = child<QListWidget>(order, "List1");
        list->setCurrentRow(4);
        QCOMPARE(text(order, "Text1"), QString("5"));
        click(order, "changebutton"); // its own position
        QCOMPARE(m_dialogs->beeps, 1);
        for (int i = 0; i < 3; ++i)
            click(order, "SpinButton1Up");
        click(order, "changebutton");
        QCOMPARE(items(list).mid(0, 3), (QStringList{"  1  Ann Able", "  2  Eve Egan", "  3  Bob Baker"}));
        QVERIFY(!child<QPushButton>(order, "changebutton")->isEnabled());
        list->setCurrentRow(1);
        retype(order, "Text1", "6");
        click(order, "changebutton");
        QCOMPARE(items(list).mid(4, 2), (QStringList{"  5  Fay Ford", "  6  Eve Egan"}));
        list->setCurrentRow(7); // the spin stops at the end of the list
        click(order, "SpinButton1Down");
        QCOMPARE(text(order, "Text1"), QString("8"));
        retype(order, "Text1", "99");
        QCOMPARE(text(order, "Text1"), QString("8"));

        auto expected = loadClub();
        movePlayer(*expected, "Eve Egan", 5, 2);
        movePlayer(*expected, "Eve Egan", 2, 6);
        closeWith(order, "exitbutton");
        QCOMPARE(readFile(m_dir / "Club.LGE"), leagueFileText(expected->league));
        QCOMPARE(readFile(resolveFile(m_dir, "Club.tea")), teamFileText(expected->teams, 8));
    }
};

QTEST_MAIN(Stoppable<RosterWindowsTest>)
#include "RosterWindowsTest.moc"
