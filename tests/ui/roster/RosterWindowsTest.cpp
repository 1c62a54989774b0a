// The course, league and player windows, opened from the real main window's
// menus and driven through their widgets: what they show, what they refuse,
// and the files they leave behind when they close.
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/ListText.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "main/MainWindow.h"
#include "roster/CourseOps.h"
#include "roster/LeagueOps.h"
#include "roster/PlayerOps.h"
#include "roster/RosterChanges.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const char* const Names[] = {"Ann Able", "Bob Baker", "Cyd Cole",  "Dee Dunn",  "Eve Egan", "Fay Ford",
                             "Gus Gray", "Hal Hart",  "Ivy Irwin", "Jon Jones", "Kim King", "Lee Lord"};

// The position of a fixture name in Names, from 1.
int original(const std::string& name) {
    for (int i = 0; i < 12; ++i)
        if (name == Names[i]) return i + 1;
    return 0;
}

// Course c with the name and initials, par 4 on every hole, ratings 70.5 and slopes 120.
void putCourse(CourseTable& courses, int c, const std::string& name, const std::string& initials) {
    auto& f = courses.CourseField[static_cast<std::size_t>(c)];
    f.fill(std::string{});
    f[field::Name] = name;
    f[field::OutPar] = "36";
    f[field::InPar] = "36";
    f[field::TotalPar] = " 72";
    for (int h = 1; h <= 18; ++h)
        f[static_cast<std::size_t>(field::holePar(h))] = " 4";
    for (int t = 1; t <= 3; ++t) {
        f[static_cast<std::size_t>(field::rating(t))] = " 70.5";
        f[static_cast<std::size_t>(field::slope(t))] = " 120";
    }
    f[field::Initials] = initials;
    courses.CourseCount = static_cast<int16_t>(std::max<int>(courses.CourseCount, c));
}

const std::string CourseRefusal =
    "Insufficient information to save\r\nCourse data.  Please provide a name\r\n"
    "and the par values for each hole.\r\nFor nine hole courses, duplicate the "
    "values\r\nof the first nine holes for holes 10 - 18";

} // namespace

class RosterWindowsTest : public QObject {
    Q_OBJECT

  private:
    // ------------------------------------------------------------ files

    void writeLeagueList(const std::vector<std::string>& leagues) {
        Settings s;
        SetDefaults(s);
        for (const std::string& name : leagues)
            s.LeagueList[static_cast<std::size_t>(++s.LeagueCount)] = name;
        writeFile(*m_dir / "vexa.dat", leagueListText(s));
    }

    // League "Club" of the first n fixture names, with its course; player p has p rounds whose
    // differentials are p * 10 + r and the team teams[p - 1] (no team file without teams).
    void writeClub(int n, const std::vector<int16_t>& teams = {}) {
        writeCourses({{"Pine Creek Club", "PCC"}});
        Store files;
        files.workDir = m_dir->path();
        files.league.LeagueFilePath = "Club.LGE";
        for (int p = 1; p <= n; ++p) {
            PlayerRecord& player = files.player(p);
            player.PlayerName = Names[p - 1];
            player.PlayerTee = static_cast<int16_t>(1 + p % 3);
            player.RoundCount = static_cast<int16_t>(p);
            for (int r = 1; r <= p; ++r) {
                auto& round = player.round[static_cast<std::size_t>(r)];
                round.RoundDiff = static_cast<float>(p * 10 + r);
                round.RoundMonth = 6;
                round.RoundDay = static_cast<int16_t>(r);
                round.RoundYear = 24;
                round.RoundCourse = 1;
                round.HoleScore[1] = static_cast<int16_t>(p);
            }
        }
        files.league.PlayerCount = static_cast<int16_t>(n);
        QVERIFY(!SaveLeagueFile(files));
        if (!teams.empty()) {
            files.teams.TeamCount = 2;
            files.teams.team[1].TeamName = "Eagles";
            files.teams.team[2].TeamName = "Hawks";
            for (int p = 1; p <= n; ++p)
                files.teams.PlayerTeam[static_cast<std::size_t>(p)] = teams[static_cast<std::size_t>(p - 1)];
            QVERIFY(!SaveTeamFile(files));
        }
    }

    void writeCourses(const std::vector<std::pair<std::string, std::string>>& courses) {
        Store files;
        files.workDir = m_dir->path();
        int c = 0;
        for (const auto& [name, initials] : courses)
            putCourse(files.courses, ++c, name, initials);
        QVERIFY(!SaveCourseFile(files));
    }

    // The league as its files hold it now, teams read.
    std::unique_ptr<Store> loadClub() {
        auto store = std::make_unique<Store>();
        store->workDir = m_dir->path();
        store->league.LeagueFilePath = "Club.LGE";
        if (LoadLeagueFile(*store)) qWarning("Club.LGE does not load");
        ReloadTeams(*store);
        return store;
    }

    CourseTable loadCourses() {
        Store store;
        store.workDir = m_dir->path();
        if (LoadCourseFile(store)) qWarning("course.dat does not load");
        return store.courses;
    }

    // Every written player still carries the rounds and the team its name was made with.
    void expectRecordsFollowNames(const Store& written, const std::vector<int16_t>& teams) {
        for (int p = 1; p <= written.league.PlayerCount; ++p) {
            const PlayerRecord& player = written.player(p);
            int was = original(player.PlayerName);
            QVERIFY2(was > 0, player.PlayerName.c_str());
            QCOMPARE(player.RoundCount, static_cast<int16_t>(was));
            QCOMPARE(player.round[1].RoundDiff, static_cast<float>(was * 10 + 1));
            QCOMPARE(player.round[static_cast<std::size_t>(was)].HoleScore[1], static_cast<int16_t>(was));
            if (!teams.empty())
                QCOMPARE(written.teams.PlayerTeam[static_cast<std::size_t>(p)],
                         teams[static_cast<std::size_t>(was - 1)]);
        }
    }

    // ------------------------------------------------------------ the main window

    // The main window as at start-up; an empty league list unless the test wrote one.
    void startMain() {
        if (!fs::exists(*m_dir / "vexa.dat")) writeLeagueList({});
        m_store = std::make_unique<Store>();
        m_store->workDir = m_dir->path();
        m_store->settingsDir = m_dir->path() / "config";
        m_main = std::make_unique<MainWindow>(*m_store, *m_services);
        m_main->load(QRect(0, 0, 1024, 768), 1024);
    }

    void openClub() {
        startMain();
        trigger("leaguesmenu0");
        QCOMPARE(m_main->messagePanelText(), QString("Current League - Club"));
    }

    void trigger(const char* action) {
        stopAfterUnexpectedDialog();
        auto* a = m_main->findChild<QAction*>(action);
        QVERIFY2(a, action);
        a->trigger();
    }

    bool courseMenuEnabled() { return m_main->findChild<QMenu*>("coursesmenu")->menuAction()->isEnabled(); }

    // The window of that name the main window has opened.
    QWidget* opened(const char* name) {
        stopAfterUnexpectedDialog();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return w;
        return nullptr;
    }
    QWidget* open(const char* action, const char* window) {
        trigger(action);
        QWidget* w = opened(window);
        if (!w)
            qWarning("%s did not open %s", action, window);
        else if (!QTest::qWaitForWindowExposed(w))
            qWarning("%s is not shown", window);
        else if (m_main->isEnabled())
            qWarning("the main window stays enabled under %s", window);
        return w;
    }
    // Closes with the button; the main window is enabled once the window is gone.
    void closeWith(QWidget* w, const char* button) {
        QPointer<QWidget> alive(w);
        click(w, button);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(m_main->isEnabled());
    }

    template <class T> T* child(QWidget* w, const char* name) {
        stopAfterUnexpectedDialog();
        T* found = w ? w->findChild<T*>(name) : nullptr;
        if (!found) qWarning("no child %s", name);
        return found;
    }
    void click(QWidget* w, const char* button) { child<QAbstractButton>(w, button)->click(); }
    QString text(QWidget* w, const char* name) {
        stopAfterUnexpectedDialog();
        if (auto* edit = w->findChild<QLineEdit*>(name)) return edit->text();
        return child<QLabel>(w, name)->text();
    }
    // Replaces a box's text as a user does: select everything, then type.
    void retype(QWidget* w, const char* box, const QString& typed) {
        auto* edit = child<QLineEdit>(w, box);
        edit->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, typed);
    }
    void paste(QWidget* w, const char* box, const QString& clip) {
        auto* edit = child<QLineEdit>(w, box);
        edit->selectAll();
        QApplication::clipboard()->setText(clip);
        QTest::keySequence(edit, QKeySequence::Paste);
    }
    void typePars(QWidget* course, const std::vector<int>& pars, int first = 1) {
        for (std::size_t i = 0; i < pars.size(); ++i) {
            QByteArray box = "Partext" + QByteArray::number(first + static_cast<int>(i));
            retype(course, box.constData(), QString::number(pars[i]));
        }
    }
    const FakeDialogs::Call& lastCall() { return m_dialogs->calls.back(); }

    std::unique_ptr<TempDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    FixedClock m_clock{Date{7, 4, 2024}};
    std::unique_ptr<UiServices> m_services;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<MainWindow> m_main;

  private slots:
    void init() {
        m_dir = std::make_unique<TempDir>();
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        m_printer = std::make_unique<RecordingPrinter>();
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, *m_printer, m_clock, nullptr});
    }
    void cleanup() {
        m_main.reset();
        deleteLeftoverWindows();
        QCOMPARE(m_dialogs->pending(), std::size_t(0));
    }

    // ------------------------------------------------------------ courses

    void courseAddedFromTheMenuWithLiveTotals() {
        writeLeagueList({"Club"});
        writeCourses({{"Pine Creek Club", "PCC"}, {"Oak Hollow", "OH"}});
        startMain(); // no league open: the course file is read for the new course all the same
        QWidget* course = open("GCmenu1", "course");
        QVERIFY(course);
        QCOMPARE(text(course, "whiteratepanel"), QString("65.0"));

        QTest::keyClicks(child<QLineEdit>(course, "Nametext"), "Maple Run");
        retype(course, "Partext1", "4");
        QCOMPARE(text(course, "Partext1"), QString(" 4"));
        QCOMPARE(text(course, "Outlabel"), QString("4"));
        QCOMPARE(text(course, "Totallabel"), QString(" 4"));
        retype(course, "Partext1", "");
        QCOMPARE(text(course, "Outlabel"), QString("0"));
        QTest::keyClicks(child<QLineEdit>(course, "Partext2"), "x.-5");
        QCOMPARE(text(course, "Partext2"), QString(" 5"));

        typePars(course, {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 5, 3, 4, 4, 4, 3, 5, 4});
        QCOMPARE(text(course, "Totallabel"), QString(" 72"));
        QTest::keyClicks(child<QLineEdit>(course, "initialstext"), "MRCX");
        QCOMPARE(text(course, "initialstext"), QString("MRC"));
        click(course, "WhiteratingspinUp");
        click(course, "WhiteratingspinUp");
        QCOMPARE(text(course, "whiteratepanel"), QString("65.2"));
        click(course, "whiteslopespinDown");
        QCOMPARE(text(course, "whiteslopepanel"), QString("112"));

        closeWith(course, "savebutton");
        QVERIFY(courseMenuEnabled());
        CourseTable written = loadCourses();
        QCOMPARE(written.CourseCount, int16_t(3));
        const auto& f = written.CourseField[3];
        QCOMPARE(f[field::Name], std::string("Maple Run"));
        QCOMPARE(f[field::TotalPar], std::string(" 72"));
        QCOMPARE(f[field::holePar(3)], std::string(" 3"));
        QCOMPARE(f[field::rating(1)], std::string(" 65"));
        QCOMPARE(f[field::rating(2)], std::string(" 65.2"));
        QCOMPARE(f[field::slope(2)], std::string(" 112"));
        QCOMPARE(f[field::Initials], std::string("MRC"));
    }

    // Ratings and slopes are typed as well as stepped, and held to what a rating and a slope can be.
    void ratingsAndSlopesTypedIntoTheirPanels() {
        writeCourses({{"Pine Creek Club", "PCC"}});
        startMain();
        QWidget* course = open("GCmenu1", "course");
        QVERIFY(course);
        QTest::keyClicks(child<QLineEdit>(course, "Nametext"), "Maple Run");
        typePars(course, std::vector<int>(18, 4));
        const struct {
            const char* panel;
            const char* typed;
            const char* shown;
        } cases[] = {
            {"redratepanel", "70.5", "70.5"},   {"redratepanel", "abc", "70.5"}, // refused: back as it was
            {"whiteratepanel", "68", "68.0"},   {"whiteratepanel", "19.9", "68.0"},
            {"redslopepanel", "120.4", "120"},  {"whiteslopepanel", "300", "113"},
            {"Blueslopepanel", " 131 ", "131"},
        };
        for (const auto& c : cases) {
            retype(course, c.panel, c.typed);
            QTest::keyClick(child<QLineEdit>(course, c.panel), Qt::Key_Return);
            QCOMPARE(text(course, c.panel), QString(c.shown));
        }
        QCOMPARE(m_dialogs->beeps, 3); // "abc", 19.9 and a slope of 300
        QTest::keyClick(child<QLineEdit>(course, "redratepanel"), Qt::Key_Up); // steps as the spin does
        QCOMPARE(text(course, "redratepanel"), QString("70.6"));
        retype(course, "blueratepanel", "71"); // a spin steps from what was typed
        click(course, "blueratingspinUp");
        QCOMPARE(text(course, "blueratepanel"), QString("71.1"));

        closeWith(course, "savebutton");
        const auto& f = loadCourses().CourseField[2];
        QCOMPARE(f[field::rating(1)], std::string(" 70.6"));
        QCOMPARE(f[field::rating(2)], std::string(" 68"));
        QCOMPARE(f[field::rating(3)], std::string(" 71.1"));
        QCOMPARE(f[field::slope(1)], std::string(" 120"));
        QCOMPARE(f[field::slope(2)], std::string(" 113"));
        QCOMPARE(f[field::slope(3)], std::string(" 131"));
    }

    void nineHoleCourseOrNoNameIsRefusedAndCancelStoresNothing() {
        writeCourses({{"Pine Creek Club", "PCC"}});
        startMain();
        const std::string before = readFile(*m_dir / "course.dat");
        QWidget* course = open("GCmenu1", "course");
        QTest::keyClicks(child<QLineEdit>(course, "Nametext"), "Nine Hole");
        typePars(course, {4, 4, 3, 5, 4, 4, 3, 5, 4});
        m_dialogs->answerMessage(Answer::Ok);
        click(course, "savebutton");
        QCOMPARE(lastCall().title, std::string("Problem saving course"));
        QCOMPARE(lastCall().text, CourseRefusal);
        QVERIFY(course->isVisible());

        closeWith(course, "cancelbutton");
        QCOMPARE(m_store->courses.CourseCount, int16_t(1));
        QCOMPARE(readFile(*m_dir / "course.dat"), before);
    }

    void deletedCourseNumberIsReusedAndOneCharacterNamesAreNotOffered() {
        writeCourses({{"Pine Creek Club", "PCC"}, {"Oak Hollow", "OH"}, {"Elm Park", "EP"}});
        startMain();
        trigger("GCmenu3");
        child<QComboBox>(m_main.get(), "Selectcoursecombo")->setEditText("oak hollow");
        m_dialogs->answerMessage(Answer::Yes);
        click(m_main.get(), "okordeletebutton");
        QVERIFY(loadCourses().name(2).empty());

        QWidget* course = open("GCmenu1", "course");
        QVERIFY(m_store->CourseFormMode == CourseWindowMode::Edit);
        QCOMPARE(m_store->CurrentCourse, int16_t(2));
        QTest::keyClicks(child<QLineEdit>(course, "Nametext"), "X");
        typePars(course, std::vector<int>(18, 4));
        closeWith(course, "savebutton");
        CourseTable written = loadCourses();
        QCOMPARE(written.CourseCount, int16_t(3));
        QCOMPARE(written.name(2), std::string("X"));
        QCOMPARE(written.name(3), std::string("Elm Park"));

        trigger("GCmenu2");
        auto* combo = child<QComboBox>(m_main.get(), "Selectcoursecombo");
        QStringList offered;
        for (int i = 0; i < combo->count(); ++i)
            offered << combo->itemText(i);
        QCOMPARE(offered, (QStringList{"Pine Creek Club", "Elm Park"}));
        click(m_main.get(), "okordeletecancel");
    }

    void ratingStopsAtTwentyAndEditReenablesTheCourseMenu() {
        writeCourses({{"Pine Creek Club", "PCC"}});
        {
            Store files;
            files.workDir = m_dir->path();
            QVERIFY(!LoadCourseFile(files));
            files.courses.CourseField[1][field::rating(1)] = " 20.1";
            QVERIFY(!SaveCourseFile(files));
        }
        startMain();
        trigger("GCmenu2");
        QVERIFY(!courseMenuEnabled());
        child<QComboBox>(m_main.get(), "Selectcoursecombo")->setEditText("Pine Creek Club");
        click(m_main.get(), "okordeletebutton");
        QWidget* course = opened("course");
        QVERIFY(course);
        QCOMPARE(text(course, "Partext9"), QString(" 4"));
        click(course, "redrateingspinDown");
        QCOMPARE(text(course, "redratepanel"), QString("20.0"));
        click(course, "redrateingspinDown");
        QCOMPARE(text(course, "redratepanel"), QString("20.0"));

        const std::string before = readFile(*m_dir / "course.dat");
        closeWith(course, "cancelbutton");
        QVERIFY(courseMenuEnabled());
        QCOMPARE(readFile(*m_dir / "course.dat"), before);
    }

    // ------------------------------------------------------------ leagues

    void creatingOnAnEmptyListReplacesNoEntries() {
        startMain();
        QCOMPARE(m_main->leagueMenu(), (std::vector<std::string>{"No Entries"}));
        QWidget* league = open("Creatmenu", "Createleagueform");
        QVERIFY(league);
        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "Mon.day");
        QCOMPARE(text(league, "Text1"), QString("Monday"));
        closeWith(league, "Okbutton");
        QCOMPARE(m_main->leagueMenu(), (std::vector<std::string>{"Monday"}));
        QVERIFY(fs::exists(*m_dir / "Monday.LGE"));
        QCOMPARE(readFile(*m_dir / "vexa.dat").substr(0, 13), std::string(" 1 \r\nMonday\r\n"));
    }

    void duplicateAndIllegalNamesAreRefusedAndFullStopsCannotBePasted() {
        writeLeagueList({"Monday"});
        startMain();
        QWidget* league = open("Creatmenu", "Createleagueform");
        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "MONDAY");
        m_dialogs->answerMessage(Answer::Ok);
        click(league, "Okbutton");
        QCOMPARE(lastCall().text, std::string("That name is already in use."));
        QCOMPARE(text(league, "Text1"), QString());

        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "Week:1");
        m_dialogs->answerMessage(Answer::Ok);
        click(league, "Okbutton");
        QCOMPARE(lastCall().text, std::string("Illegal Name for file"));
        QCOMPARE(text(league, "Text1"), QString());

        paste(league, "Text1", "../up.x");
        QCOMPARE(text(league, "Text1"), QString("upx"));
        closeWith(league, "Command3d1");
        QCOMPARE(m_main->leagueMenu(), (std::vector<std::string>{"Monday"}));
    }

    void deletingTheFirstOfThreeBlanksItemZeroAndClosesTheLeague() {
        writeLeagueList({"Monday", "Friday", "Seniors"});
        for (const char* file : {"Monday.LGE", "Friday.LGE", "Seniors.LGE"})
            writeFile(*m_dir / file, " 0 \r\n");
        writeFile(*m_dir / "Monday.TEA", " 0 \r\n");
        writeCourses({{"Pine Creek Club", "PCC"}});
        startMain();
        trigger("leaguesmenu1");
        QCOMPARE(m_main->messagePanelText(), QString("Current League - Friday"));

        QWidget* league = open("Creatmenu", "Createleagueform");
        QTest::keyClicks(child<QLineEdit>(league, "Text1"), "monday");
        m_dialogs->answerMessage(Answer::No);
        click(league, "deletebutton");
        QCOMPARE(
            lastCall().text,
            std::string("Are you sure you want to Delete the selected\r\n\r\nLeague File and it's Team point "
                        "data file?\r\n\r\n\r\n    CONTINUE?    Select 'NO' to Exit"));
        QCOMPARE(lastCall().defaultButton, Answer::No);
        QVERIFY(fs::exists(*m_dir / "Monday.LGE"));

        m_dialogs->answerMessage(Answer::Yes);
        closeWith(league, "deletebutton");
        QCOMPARE(m_main->leagueMenu(), (std::vector<std::string>{"", "Friday", "Seniors"}));
        QCOMPARE(m_main->messagePanelText(), QString("Open a League file to begin"));
        QVERIFY(!fs::exists(*m_dir / "Monday.LGE"));
        QVERIFY(!fs::exists(*m_dir / "Monday.TEA"));
        QCOMPARE(m_store->settings.LeagueList[1], std::string("Friday"));
        trigger("leaguesmenu0"); // the blank item opens nothing
        QCOMPARE(m_main->messagePanelText(), QString("Open a League file to begin"));
    }

    // ------------------------------------------------------------ players

    void addingTurnsQuotesIntoApostrophesAndAddsOnEnter() {
        writeLeagueList({"Club"});
        writeClub(5);
        openClub();
        QWidget* add = open("Playermenu1", "playform");
        QVERIFY(add);

        auto* name = child<QLineEdit>(add, "Text1");
        QTest::keyClicks(name, "Jo\"e");
        QCOMPARE(name->text(), QString("Jo'e"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(text(add, "playernumlabel"), QString("6 member(s)"));
        QCOMPARE(name->text(), QString());

        QTest::keyClicks(name, "Al");
        click(add, "Addbutton");
        QCOMPARE(m_dialogs->beeps, 1);
        name->clear();

        QTest::keyClicks(name, "ann able");
        m_dialogs->answerMessage(Answer::Ok);
        click(add, "Addbutton");
        QCOMPARE(lastCall().text, std::string("That name is already taken!"));
        QCOMPARE(name->text(), QString());

        paste(add, "Text1", "Al \"Ace\"");
        QCOMPARE(name->text(), QString("Al 'Ace'"));
        name->clear();
        child<QRadioButton>(add, "Option3D1_2")->click();
        QTest::keyClicks(name, "Zed Long");
        QTest::keyClick(child<QWidget>(add, "Option3D1_2"), Qt::Key_Enter); // the window sees Enter first
        QCOMPARE(text(add, "playernumlabel"), QString("7 member(s)"));

        auto expected = loadClub();
        addPlayer(*expected, "Jo'e", 2);
        addPlayer(*expected, "Zed Long", 3);
        closeWith(add, "exitbutton");
        QCOMPARE(readFile(*m_dir / "Club.LGE"), leagueFileText(expected->league));
        QVERIFY(!fileExists(m_dir->path(), "Club.tea")); // no teams, no team file
    }

    // Whatever is pasted, no name box keeps a line break or another control
    // character; a name of blanks reaches the core and is refused there.
    void nameBoxesDropPastedControlCharacters() {
        writeLeagueList({"Club"});
        writeClub(5);
        openClub();
        const QString clip = QString::fromUtf8("N\xC3\xBA\xC3\xB1"
                                               "ez\r\nHills\t\x7F\x1B");
        const QString kept = QString::fromUtf8("N\xC3\xBA\xC3\xB1"
                                               "ezHills");
        const struct {
            const char *action, *window, *box, *close;
        } boxes[] = {
            {"Playermenu1", "playform", "Text1", "exitbutton"},
            {"Playernamesmenu", "Playernm", "Text1", "exitbutton"},
            {"GCmenu1", "course", "Nametext", "cancelbutton"},
            {"Creatmenu", "Createleagueform", "Text1", "Command3d1"}, // last: it closes the league
        };
        for (const auto& b : boxes) {
            QWidget* w = open(b.action, b.window);
            QVERIFY(w);
            paste(w, b.box, clip);
            QCOMPARE(text(w, b.box), kept);
            if (b.window == std::string("course")) {
                paste(w, "initialstext", "O\tH");
                QCOMPARE(text(w, "initialstext"), QString("OH"));
            }
            if (b.window == std::string("playform")) {
                paste(w, b.box, "     ");
                m_dialogs->answerMessage(Answer::Ok);
                click(w, "Addbutton");
                QCOMPARE(lastCall().text, std::string("A player name cannot be made of blanks only."));
            }
            closeWith(w, b.close);
        }
        QCOMPARE(loadClub()->league.PlayerCount, int16_t(5));
    }

    void removingPlayerThreeOfFiveMovesRoundsAndTeams() {
        const std::vector<int16_t> teams{1, 2, 1, 2, 1};
        writeLeagueList({"Club"});
        writeClub(5, teams);
        openClub();
        QWidget* remove = open("Playermenu3", "RMplayer");
        QVERIFY(remove);
        auto* list = child<QListWidget>(remove, "List1");
        QCOMPARE(items(list), (QStringList{"Ann Able", "Bob Baker", "Cyd Cole", "Dee Dunn", "Eve Egan"}));

        click(remove, "removebutton");
        QCOMPARE(m_dialogs->beeps, 1);
        list->setCurrentRow(2);
        m_dialogs->answerMessage(Answer::No);
        click(remove, "removebutton");
        QCOMPARE(lastCall().text,
                 std::string("Are you sure you want to remove the player\r\nCyd Cole  from your "
                             "League?\r\n\r\n     CONTINUE?          Select 'NO' to cancel"));
        QCOMPARE(lastCall().defaultButton, Answer::No);
        QCOMPARE(list->count(), 5);

        list->setCurrentRow(2);
        m_dialogs->answerMessage(Answer::Yes);
        click(remove, "removebutton");

        auto expected = loadClub();
        removePlayer(*expected, 3);
        closeWith(remove, "exitbutton");
        QCOMPARE(readFile(*m_dir / "Club.LGE"), leagueFileText(expected->league));
        QCOMPARE(readFile(resolveFile(m_dir->path(), "Club.tea")),
                 crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 2 ", " 1 ", " 0 ", " 0 "}));
        auto written = loadClub();
        QCOMPARE(qlist(rosterNames(written->league)),
                 (QStringList{"Ann Able", "Bob Baker", "Dee Dunn", "Eve Egan"}));
        expectRecordsFollowNames(*written, teams);
    }

    void removingTheLastPlayerWritesATeamFileWithoutTeams() {
        writeLeagueList({"Club"});
        writeClub(5);
        openClub();
        QWidget* remove = open("Playermenu3", "RMplayer");
        auto* list = child<QListWidget>(remove, "List1");
        list->scrollToItem(list->item(4));
        m_dialogs->answerMessage(Answer::Yes);
        const QPoint last = list->visualItemRect(list->item(4)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, last);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, last);
        QCOMPARE(list->count(), 4);
        closeWith(remove, "exitbutton");
        auto written = loadClub();
        QCOMPARE(qlist(rosterNames(written->league)),
                 (QStringList{"Ann Able", "Bob Baker", "Cyd Cole", "Dee Dunn"}));
        expectRecordsFollowNames(*written, {});
        QVERIFY(fileExists(m_dir->path(), "Club.tea"));
    }

    void renamingChecksExactlyAndAsksFirst() {
        writeLeagueList({"Club"});
        writeClub(5);
        openClub();
        QWidget* rename = open("Playernamesmenu", "Playernm");
        QVERIFY(rename);
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
        QCOMPARE(list->item(2)->text(), QString("Cyd Cole"));
        closeWith(rename, "exitbutton");
        auto written = loadClub();
        QCOMPARE(qlist(rosterNames(written->league)),
                 (QStringList{"Ann Able", "ANN ABLE", "Cyd Cole", "Dee Dunn", "Eve Egan"}));
        QCOMPARE(written->player(2).RoundCount, int16_t(2));
    }

    void orderMovesFiveOfEightToTwoAndTwoToSix() {
        const std::vector<int16_t> teams{1, 2, 1, 2, 1, 2, 0, 2};
        writeLeagueList({"Club"});
        writeClub(8, teams);
        openClub();
        QWidget* order = open("Playermenu2", "sortform");
        QVERIFY(order);
        auto* list = child<QListWidget>(order, "List1");
        auto* change = child<QPushButton>(order, "changebutton");
        list->setCurrentRow(4);
        QCOMPARE(text(order, "Text1"), QString("5"));
        click(order, "changebutton"); // its own position
        QCOMPARE(m_dialogs->beeps, 1);
        for (int i = 0; i < 3; ++i)
            click(order, "SpinButton1Up");
        QCOMPARE(text(order, "Text1"), QString("2"));
        click(order, "changebutton");
        QCOMPARE(items(list),
                 (QStringList{"  1  Ann Able", "  2  Eve Egan", "  3  Bob Baker", "  4  Cyd Cole",
                              "  5  Dee Dunn", "  6  Fay Ford", "  7  Gus Gray", "  8  Hal Hart"}));
        QVERIFY(!change->isEnabled());

        list->setCurrentRow(1);
        retype(order, "Text1", "6");
        click(order, "changebutton");
        QCOMPARE(items(list),
                 (QStringList{"  1  Ann Able", "  2  Bob Baker", "  3  Cyd Cole", "  4  Dee Dunn",
                              "  5  Fay Ford", "  6  Eve Egan", "  7  Gus Gray", "  8  Hal Hart"}));

        // The spin button stops at the end of the list.
        list->setCurrentRow(7);
        click(order, "SpinButton1Down");
        QCOMPARE(text(order, "Text1"), QString("8"));

        auto expected = loadClub();
        movePlayer(*expected, "Eve Egan", 5, 2);
        movePlayer(*expected, "Eve Egan", 2, 6);
        closeWith(order, "exitbutton");
        QCOMPARE(readFile(*m_dir / "Club.LGE"), leagueFileText(expected->league));
        QCOMPARE(readFile(resolveFile(m_dir->path(), "Club.tea")),
                 teamFileText(expected->teams, expected->league.PlayerCount));
        auto written = loadClub();
        expectRecordsFollowNames(*written, teams);
    }

    void orderPositionBoxShowsTheCountAndZeroMovesToTheTop() {
        writeLeagueList({"Club"});
        writeClub(12);
        openClub();
        QWidget* order = open("Playermenu2", "sortform");
        auto* list = child<QListWidget>(order, "List1");
        QCOMPARE(list->item(9)->text(), QString(" 10  Jon Jones"));
        list->setCurrentRow(10);
        retype(order, "Text1", "99");
        QCOMPARE(text(order, "Text1"), QString("12"));
        retype(order, "Text1", "0");
        QCOMPARE(text(order, "Text1"), QString("0"));
        click(order, "changebutton");
        QCOMPARE(list->item(0)->text(), QString("  1  Kim King"));
        closeWith(order, "exitbutton");
        auto written = loadClub();
        expectRecordsFollowNames(*written, {});
        QVERIFY(!fileExists(m_dir->path(), "Club.tea")); // no teams: only the league file
    }
};

QTEST_MAIN(Stoppable<RosterWindowsTest>)
#include "RosterWindowsTest.moc"
