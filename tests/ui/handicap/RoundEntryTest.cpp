// The road of a round through the real main window: round set-up, score
// entry with typed keys, the calculation, the league file written and the
// rounds view redrawn; correcting and deleting a round through the edit-round
// chooser; the view player chooser; and a whole round from the keyboard alone.
// What the windows write is compared with what the core computes for the
// same input.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/ListText.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "handicap/EditRoundChooserWindow.h"
#include "handicap/RoundRecorder.h"
#include "handicap/RoundSetup.h"
#include "handicap/RoundSetupWindow.h"
#include "handicap/ScoreEntryWindow.h"
#include "main/MainWindow.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "views/RoundsView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <memory>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const Date Today{6, 5, 2007};
using Holes = std::array<int, 18>;

HoleScores typedHoles(const Holes& holes) {
    HoleScores scores{};
    for (std::size_t h = 1; h <= 18; ++h)
        scores[h] = static_cast<int16_t>(holes[h - 1]);
    return scores;
}

void giveRound(Store& store, int p, int month, int day, int year, int course, const Holes& holes,
               float courseHcp) {
    PlayerRecord& player = store.player(p);
    RoundRecord& round = player.round[static_cast<std::size_t>(++player.RoundCount)];
    round.RoundMonth = static_cast<int16_t>(month);
    round.RoundDay = static_cast<int16_t>(day);
    round.RoundYear = static_cast<int16_t>(year);
    round.RoundCourse = static_cast<int16_t>(course);
    round.HoleScore = holeScores(holes);
    round.RoundDiff = 15.5f;
    round.RoundIndex = 11.2f;
    round.RoundCourseHcp = courseHcp;
}

// League "Friday": Ann (white tee, last course handicap 12), an empty slot, Bob,
// Cyd (ladies), Dee (pro) and a second Bob with one round. Pine Hills is fully
// rated; Oak Hollow has no slope for the pro tee. Stroke control is standard.
Store league(const fs::path& dir, int dateRemind) {
    Store s = sampleStore();
    s.workDir = dir;
    s.settingsDir = dir / "config";
    FillMonthNames(s);
    addSampleCourse(s, "Oak Hollow", {{{68, 115}, {69.5, 120}, {71, 0}}});
    s.settings.StrokeOption = 2;
    s.settings.DateRemind = static_cast<int16_t>(dateRemind);
    s.settings.LeagueCount = 1;
    s.settings.LeagueList[1] = "Friday";
    s.league.LeagueFilePath = "Friday.LGE";
    int ann = addSamplePlayer(s, "Ann", 2);
    addSamplePlayer(s, "", 2);
    addSamplePlayer(s, "Bob", 2);
    addSamplePlayer(s, "Cyd", 1);
    addSamplePlayer(s, "Dee", 3);
    int bob2 = addSamplePlayer(s, "Bob", 2);
    giveRound(s, ann, 6, 1, 6, 1, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 20);
    giveRound(s, ann, 7, 20, 6, 2, {4, 5, 3, 5, 4, 5, 3, 6, 5, 5, 4, 4, 5, 4, 5, 3, 6, 5}, 12);
    giveRound(s, bob2, 5, 5, 7, 1, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 3);
    return s;
}

// A help window that only remembers the topics asked for.
class RecordingHelp : public HelpViewer {
  public:
    void ShowHelpTopic(HelpTopic topic) override { topics.push_back(topic); }
    std::vector<HelpTopic> topics;
};

// Remembers the calculation panel as it stands while " Pausing..." holds it on screen.
class PausingDialogs : public FakeDialogs {
  public:
    using FakeDialogs::FakeDialogs;
    Answer messageBox(const Message& message, Buttons buttons, Answer defaultButton) override {
        if (message.text == " Pausing...")
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "roundsform" && w->isVisible())
                    pausedPanel << items(w->findChild<QListWidget*>("List1"));
        return FakeDialogs::messageBox(message, buttons, defaultButton);
    }
    QStringList pausedPanel;
};

} // namespace

class RoundEntryTest : public QObject {
    Q_OBJECT

  private:
    // The league's files in a fresh folder, and the main window with it open.
    void openLeague(int dateRemind) {
        static int serial = 0;
        m_dir = caseFolder("case" + std::to_string(++serial));
        fs::create_directories(m_dir / "config");
        Store files = league(m_dir, dateRemind);
        QVERIFY(!SaveCourseFile(files));
        QVERIFY(!SaveLeagueFile(files));
        QVERIFY(!SaveLeagueList(files));
        QVERIFY(SaveSettings(files));
        // The core's own run writes beside, never over, the window's file.
        m_expected = std::make_unique<Store>(files);
        m_expected->workDir = m_dir / "expected";
        fs::create_directories(m_expected->workDir);

        m_store = std::make_unique<Store>();
        m_store->workDir = m_dir;
        m_store->settingsDir = m_dir / "config";
        m_dialogs = std::make_unique<PausingDialogs>(failAtUnexpectedDialog);
        m_printer = std::make_unique<RecordingPrinter>();
        m_clock = std::make_unique<FixedClock>(Today);
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, *m_printer, *m_clock, nullptr});
        m_window = std::make_unique<MainWindow>(*m_store, *m_services);
        m_window->setHelpViewer(&m_help);
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        m_window->show();
        trigger("leaguesmenu0");
        QCOMPARE(m_window->messagePanelText(), QString("Current League - Friday"));
    }

    void trigger(const char* name) {
        stopAfterUnexpectedDialog();
        auto* action = m_window->findChild<QAction*>(name);
        QVERIFY2(action, name);
        action->trigger();
    }

    template <class W> W* topLevel(const char* name) {
        stopAfterUnexpectedDialog();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                if (auto* window = qobject_cast<W*>(w)) return window;
        return nullptr;
    }
    template <class T> static T* child(QWidget* window, const QString& name) {
        stopAfterUnexpectedDialog();
        T* found = window->findChild<T*>(name);
        if (!found) qWarning("no child %s", qPrintable(name));
        return found;
    }
    static QString text(QWidget* window, const QString& name) {
        stopAfterUnexpectedDialog();
        if (auto* box = window->findChild<QLineEdit*>(name)) return box->text();
        return child<QLabel>(window, name)->text();
    }
    static void click(QWidget* window, const char* name) { child<QAbstractButton>(window, name)->click(); }
    static void clickRow(QListWidget* list, int row) {
        QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void doubleClickRow(QListWidget* list, int row) {
        QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    // Keys as the user types them: each goes where the focus is.
    static void typeKeys(const QString& keys) {
        for (QChar c : keys) {
            if (c == '\n')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
    static void activate(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // Round set-up through its widgets: the players of these list rows, the course typed.
    RoundSetupWindow* setUpRound(const std::vector<int>& rows, const QString& course) {
        trigger("entermenu");
        auto* setup = topLevel<RoundSetupWindow>("selectplayers");
        if (!setup) return nullptr;
        auto* list = child<QListWidget>(setup, "List1");
        for (int row : rows)
            clickRow(list, row);
        QTest::keyClicks(child<QComboBox>(setup, "coursecombo")->lineEdit(), course);
        return setup;
    }

    // Records the round the core way, as the window was given it.
    void expectRound(int p, int course, int month, int day, int year, const Holes& holes, int tee) {
        Store& s = *m_expected;
        s.CurrentPlayer = static_cast<int16_t>(p);
        s.CurrentCourse = static_cast<int16_t>(course);
        s.EntryMonth = static_cast<int16_t>(month);
        s.EntryDay = static_cast<int16_t>(day);
        s.EntryYear = static_cast<int16_t>(year);
        s.EditSlot = 0;
        RoundRecorder recorder(s);
        QCOMPARE(recorder.recordTyped(typedHoles(holes), true, tee).outcome, RecordOutcome::Recorded);
        m_expectedPanel = qlist(recorder.panel());
    }
    std::string leagueOnDisk() const { return readFile(m_dir / "Friday.LGE"); }
    // The rounds view the core draws for the tables as they are now.
    QStringList coreView(ViewMode mode) const {
        Store copy = *m_store;
        RoundsView view;
        view.setMode(mode);
        view.show(copy);
        return qlist(view.lines().rounds);
    }

    fs::path m_dir;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<Store> m_expected;
    QStringList m_expectedPanel;
    std::unique_ptr<PausingDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<UiServices> m_services;
    std::unique_ptr<MainWindow> m_window;
    RecordingHelp m_help;

  private slots:
    // The test program's QApplication sets the C locale from the environment, as
    // the desktop program's does: run under LC_ALL=de_DE.UTF-8, the windows meet
    // the decimal comma a German user's program meets.
    void initTestCase() {
        const char* wanted = std::getenv("LC_ALL");
        locale_t installed = wanted && *wanted ? newlocale(LC_ALL_MASK, wanted, nullptr) : nullptr;
        if (!installed) return;
        freelocale(installed);
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray(wanted));
    }

    void cleanup() {
        if (m_dialogs) QCOMPARE(m_dialogs->pending(), std::size_t{0});
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != m_window.get() && w->testAttribute(Qt::WA_DeleteOnClose)) w->close();
        m_window.reset();
        m_help.topics.clear();
    }

    void threePlayersFromSetUpToTheRoundsView() {
        openLeague(1);
        auto* setup = setUpRound({0, 1, 2}, "pine hills"); // Ann, Bob (slot 3), Cyd
        QVERIFY(setup);
        QVERIFY(!m_window->isEnabled());
        click(setup, "DayspinUp");

        // The date check answered No keeps the set-up open; Yes goes on.
        m_dialogs->answerMessage(Answer::No);
        click(setup, "acceptbutton");
        QVERIFY(setup->isVisible());
        QVERIFY(m_dialogs->calls.back().text.starts_with("Is 6/6/2007 at Pine Hills\r\n"));
        m_dialogs->answerMessage(Answer::Yes);
        QPointer<QWidget> setupAlive(setup);
        click(setup, "acceptbutton");
        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        QTRY_VERIFY(setupAlive.isNull());
        QVERIFY(!m_window->isEnabled()); // still disabled across the hand-over
        for (int p : {1, 3, 4})
            QCOMPARE(m_store->player(p).PlayerMark, int16_t{1});

        QCOMPARE(text(entry, "Namelabel"), QString("Pine Hills  golf course  on June  6"));
        QCOMPARE(text(entry, "Pnamelabel"), QString("Ann"));
        QVERIFY(child<QRadioButton>(entry, "teebutton2")->isChecked());
        click(entry, "infobutton"); // the topic follows the mode: entering here, correcting below
        QCOMPARE(m_help.topics, std::vector<HelpTopic>{HelpTopic::EnteringScores});

        // Ann: a 10 on hole 5 and hole 8 skipped with Enter. Her last course
        // handicap of 12 caps every hole at 7.
        activate(entry);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext1"));
        typeKeys("5436104");
        QCOMPARE(text(entry, "scoretext5"), QString("10"));
        typeKeys("5\n4");
        QCOMPARE(text(entry, "scoretext8"), QString(""));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext10"));
        QCOMPARE(text(entry, "outscoretext"), QString("  41"));
        typeKeys("554659465");
        QCOMPARE(text(entry, "Totalscorelabel"), QString("90"));
        m_dialogs->answerMessage(Answer::Yes); // hole 8 was left out on purpose
        click(entry, "recordbutton");
        QCOMPARE(m_dialogs->calls.back().text, std::string("Hole 8 has no score. Record the round anyway?"));
        QCOMPARE(text(entry, "scoretext5"), QString(" 7")); // capped in the box, before the record
        QCOMPARE(text(entry, "Totalscorelabel"), QString("85"));
        QCOMPARE(m_store->player(1).RoundCount, int16_t{2}); // 600 ms later
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Bob"));
        expectRound(1, 1, 6, 6, 7, {5, 4, 3, 6, 10, 4, 5, 0, 4, 5, 5, 4, 6, 5, 9, 4, 6, 5}, 2);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext1"));

        // Bob (slot 3, no rounds yet): his cap is 10, so a 12 becomes 10.
        typeKeys("12" + QString(17, '5'));
        QCOMPARE(text(entry, "scoretext1"), QString("12"));
        click(entry, "recordbutton");
        QCOMPARE(text(entry, "scoretext1"), QString("10"));
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Cyd"));
        expectRound(3, 1, 6, 6, 7, {12, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 2);
        QCOMPARE(m_store->player(6).RoundCount, int16_t{1}); // the other Bob is untouched

        // Cyd with the calculation panel shown: the pause holds it on screen.
        click(entry, "Command3D1");
        QVERIFY(entry->panelShown());
        typeKeys("654765476"
                 "567456745");
        m_dialogs->answerMessage(Answer::Ok);
        QPointer<QWidget> entryAlive(entry);
        click(entry, "recordbutton");
        QTRY_VERIFY(entryAlive.isNull());
        expectRound(4, 1, 6, 6, 7, {6, 5, 4, 7, 6, 5, 4, 7, 6, 5, 6, 7, 4, 5, 6, 7, 4, 5}, 1);
        QCOMPARE(m_dialogs->pausedPanel, m_expectedPanel);
        QCOMPARE(m_dialogs->calls.back().title, std::string(" "));

        // The file holds what the core computes, and view 1 is redrawn after ViewTimer.
        QCOMPARE(leagueOnDisk(), leagueFileText(m_expected->league));
        QVERIFY(m_window->isEnabled());
        auto* list2 = child<QListWidget>(m_window.get(), "List2");
        QTRY_VERIFY(list2->isVisible());
        QCOMPARE(items(list2), coreView(ViewMode::Recent));
        QVERIFY(items(list2).join("\n").contains("06/06/07   Pi    38   47   85"));
    }

    // A league made by the command-line tool, a round typed here: the league
    // file is byte for byte the one the tool writes for the same round, in
    // whatever locale this test runs (the suite runs again under de_DE).
    void withoutDateRemindSkipCancelAndRefusal() {
        openLeague(0);
        auto* setup = setUpRound({}, "Oak Hollow");
        QVERIFY(setup);
        click(setup, "allbutton");
        clickRow(child<QListWidget>(setup, "List1"), 0); // Ann out again
        clickRow(child<QListWidget>(setup, "List1"), 4); // the second Bob out
        std::size_t asked = m_dialogs->calls.size();
        click(setup, "acceptbutton"); // no date question
        QCOMPARE(m_dialogs->calls.size(), asked);
        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        QCOMPARE(text(entry, "Pnamelabel"), QString("Bob"));

        // Bob skipped; Cyd recorded; Dee from the pro tee is refused: Oak Hollow has no slope there.
        click(entry, "skipbutton");
        QCOMPARE(text(entry, "Pnamelabel"), QString("Cyd"));
        for (int i = 1; i <= 18; ++i)
            QTest::keyClicks(child<QLineEdit>(entry, QString("scoretext%1").arg(i)), "5");
        click(entry, "recordbutton");
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Dee"));
        child<QLineEdit>(entry, "outscoretext")->setText("");
        QTest::keyClicks(child<QLineEdit>(entry, "outscoretext"), "44");
        m_dialogs->answerMessage(Answer::Ok);
        std::size_t shown = m_dialogs->calls.size();
        click(entry, "recordbutton");
        QTRY_COMPARE(m_dialogs->calls.size(), shown + 1);
        CalcValues proTee;
        setRoundRatingAndSlope(proTee, *m_store, 2, 3);
        QCOMPARE(m_dialogs->calls.back().text,
                 unusableCourseMessage(unusableCourseReason(proTee, *m_store, 2, 3)).text);
        QCOMPARE(m_store->player(5).RoundCount, int16_t{0});

        // Cancel: Cyd's round stays in the tables only.
        const std::string before = leagueOnDisk();
        QPointer<QWidget> entryAlive(entry);
        click(entry, "cancelbutton");
        QTRY_VERIFY(entryAlive.isNull());
        QCOMPARE(leagueOnDisk(), before);
        QCOMPARE(m_store->player(4).RoundCount, int16_t{1});
        QVERIFY(m_window->isEnabled());
    }

    void correctingARoundChosenByDate() {
        openLeague(0);
        trigger("editroundmenu");
        auto* chooser = topLevel<EditRoundChooserWindow>("GPlayer");
        QVERIFY(chooser);
        auto* list = child<QListWidget>(chooser, "List1");
        click(chooser, "acceptbutton");
        QCOMPARE(m_dialogs->beeps, 1);
        clickRow(list, 0);
        click(chooser, "acceptbutton");
        QCOMPARE(items(list), (QStringList{"07/20/06   Oa    81", "06/01/06   Pi    90"}));
        doubleClickRow(list, 1);

        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        QCOMPARE(m_store->EditSlot, int16_t{1});
        QCOMPARE(text(entry, "outscoretext"), QString("   45"));
        click(entry, "infobutton");
        QCOMPARE(m_help.topics, std::vector<HelpTopic>{HelpTopic::CorrectingRound});

        // Hole 2 corrected to a 7: no move on when correcting.
        activate(entry);
        auto* hole2 = child<QLineEdit>(entry, "scoretext2");
        hole2->setFocus();
        hole2->selectAll();
        typeKeys("7");
        QCOMPARE(hole2->text(), QString(" 7"));
        QCOMPARE(QApplication::focusWidget(), hole2);
        QCOMPARE(text(entry, "outscoretext"), QString("  47"));
        QPointer<QWidget> entryAlive(entry);
        click(entry, "recordbutton");
        QTRY_VERIFY(entryAlive.isNull());

        Store& s = *m_expected;
        s.CurrentPlayer = 1;
        s.CurrentCourse = 1;
        s.EntryMonth = 6;
        s.EntryDay = 1;
        s.EntryYear = 6;
        s.EditSlot = 1;
        HoleScores scores = holeScores({5, 7, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
        RoundRecorder recorder(s);
        QCOMPARE(recorder.record(scores, 2).outcome, RecordOutcome::Recorded);
        QCOMPARE(leagueOnDisk(), leagueFileText(s.league));
        QCOMPARE(m_store->player(1).round[2].RoundIndex, 11.2f); // later rounds are not recalculated
        QTRY_COMPARE(items(child<QListWidget>(m_window.get(), "List2")), coreView(ViewMode::Recent));
    }

    // Typing over what a box holds: a click selects it, the totals too; a
    // forgotten hole is asked about once, and No goes back to it.
    void aClickSelectsAndAForgottenHoleIsAsked() {
        openLeague(0);
        auto* setup = setUpRound({0, 1}, "Pine Hills"); // Ann, Bob
        QVERIFY(setup);
        click(setup, "acceptbutton");
        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        activate(entry);
        for (const char* total : {"outscoretext", "inscoretext"}) {
            QTest::mouseClick(child<QLineEdit>(entry, total), Qt::LeftButton);
            typeKeys("45");
            QCOMPARE(text(entry, total), QString("45"));
        }
        click(entry, "recordbutton"); // totals only: nothing to ask
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Bob"));
        QCOMPARE(m_store->player(1).round[3].HoleScore[OutSlot], int16_t{45});

        activate(entry);
        typeKeys("444444\n44" // hole 7 left out
                 "444444444");
        auto* hole3 = child<QLineEdit>(entry, "scoretext3");
        QTest::mouseClick(hole3, Qt::LeftButton);
        typeKeys("5");
        QCOMPARE(hole3->text(), QString(" 5"));
        m_dialogs->answerMessage(Answer::No);
        click(entry, "recordbutton");
        QCOMPARE(m_dialogs->calls.back().text, std::string("Hole 7 has no score. Record the round anyway?"));
        QCOMPARE(m_dialogs->calls.back().defaultButton, Answer::No);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext7"));
        typeKeys("6");
        QPointer<QWidget> entryAlive(entry);
        click(entry, "recordbutton");
        QTRY_VERIFY(entryAlive.isNull());
        const RoundRecord& bob = m_store->player(3).round[1];
        QCOMPARE(bob.HoleScore[3], int16_t{5});
        QCOMPARE(bob.HoleScore[7], int16_t{6});
    }

    // With one player's rounds in view, a correction shows them again.
    void theIndividualViewComesBackAfterACorrection() {
        openLeague(0);
        trigger("Viewmenu3");
        auto* players = topLevel<QWidget>("chooseplayer");
        QVERIFY(players);
        doubleClickRow(child<QListWidget>(players, "List1"), 0); // Ann
        auto* list1 = child<QListWidget>(m_window.get(), "List1");
        QTRY_COMPARE(items(list1).mid(2), (QStringList{"Ann", "Ann"}));

        trigger("editroundmenu");
        auto* chooser = topLevel<EditRoundChooserWindow>("GPlayer");
        QVERIFY(chooser);
        doubleClickRow(child<QListWidget>(chooser, "List1"), 0);
        doubleClickRow(child<QListWidget>(chooser, "List1"), 0);
        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        auto* list2 = child<QListWidget>(m_window.get(), "List2");
        QVERIFY(!list2->isVisible());
        QPointer<QWidget> entryAlive(entry);
        click(entry, "recordbutton");
        QTRY_VERIFY(entryAlive.isNull());
        RoundsView ann;
        ann.setMode(ViewMode::Player);
        ann.fillPlayer(*m_store, 1);
        QTRY_COMPARE(items(list2), qlist(ann.lines().rounds)); // the index worked out again
        QVERIFY(list2->isVisible());
    }

    void twoPlayersOfOneNameOnlyTheChosenIsCorrected() {
        openLeague(0);
        trigger("editroundmenu");
        auto* chooser = topLevel<EditRoundChooserWindow>("GPlayer");
        auto* list = child<QListWidget>(chooser, "List1");
        clickRow(list, 1); // "Bob": the later of the two is chosen
        click(chooser, "acceptbutton");
        QCOMPARE(m_store->CurrentPlayer, int16_t{6});
        clickRow(list, 0);
        click(chooser, "acceptbutton");
        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        QPointer<QWidget> entryAlive(entry);
        click(entry, "recordbutton");
        QTRY_VERIFY(entryAlive.isNull()); // one round corrected, then entry ends
        QCOMPARE(m_store->player(3).RoundCount, int16_t{0});
        QCOMPARE(m_store->player(6).RoundCount, int16_t{1});
    }

    void deletingTheNewestRound() {
        openLeague(0);
        trigger("editroundmenu");
        auto* chooser = topLevel<EditRoundChooserWindow>("GPlayer");
        auto* list = child<QListWidget>(chooser, "List1");
        clickRow(list, 0);
        click(chooser, "acceptbutton");
        clickRow(list, 0); // the newest round: slot 2
        click(chooser, "acceptbutton");
        auto* entry = topLevel<ScoreEntryWindow>("roundsform");
        QVERIFY(entry);
        QCOMPARE(m_store->EditSlot, int16_t{2});

        const std::string before = leagueOnDisk();
        m_dialogs->answerMessage(Answer::No);
        click(entry, "deletebutton");
        QCOMPARE(m_dialogs->calls.back().text, deleteRoundQuestion().text);
        QCOMPARE(leagueOnDisk(), before);

        m_dialogs->answerMessage(Answer::Yes);
        QPointer<QWidget> entryAlive(entry);
        click(entry, "deletebutton");
        QTRY_VERIFY(entryAlive.isNull());

        Store& s = *m_expected;
        s.CurrentPlayer = 1;
        s.EditSlot = 2;
        RoundRecorder recorder(s);
        QVERIFY(!recorder.deleteRound(2));
        QCOMPARE(leagueOnDisk(), leagueFileText(s.league));
        QTRY_COMPARE(items(child<QListWidget>(m_window.get(), "List2")), coreView(ViewMode::Recent));
    }

    // A secretary's round from the keyboard alone: Alt+E, Space on the
    // players, the course typed, Alt+A, the scores, a tee by its Alt key, Alt+R.
    void aWholeRoundFromTheKeyboard() {
        openLeague(0);
        activate(m_window.get());
        // Alt+E is also the mnemonic of "&Edit", which opens first; Right moves on to "&Enter Rounds".
        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* setup = topLevel<RoundSetupWindow>("selectplayers");
        QVERIFY(setup);
        activate(setup);
        auto* list = child<QListWidget>(setup, "List1");
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space); // Dee
        QVERIFY(list->item(3)->isSelected());
        QTest::keyClick(list, Qt::Key_Tab);
        typeKeys("pine");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // month spin: May
        QCOMPARE(text(setup, "Monthlabel"), QString("May"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);

        // A button's Alt key presses it as a short animation, so the window comes a moment later.
        ScoreEntryWindow* entry = nullptr;
        QTRY_VERIFY((entry = topLevel<ScoreEntryWindow>("roundsform")));
        activate(entry);
        QCOMPARE(text(entry, "Pnamelabel"), QString("Dee"));
        typeKeys("a54"); // a letter does not type
        typeKeys("4\b"); // hole 3, then a backspace in the empty hole 4
        QCOMPARE(text(entry, "scoretext3"), QString(" 4"));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier); // discarded too
        typeKeys("5"); // Shift+Tab selected hole 3: a 5 replaces the 4
        QCOMPARE(text(entry, "scoretext3"), QString(" 5"));
        typeKeys("1\n"
                 "66545"
                 "4456545"
                 "11\n");
        QCOMPARE(text(entry, "scoretext17"), QString("11"));
        typeKeys("4\n"); // Enter in hole 18 stays
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext18"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>(entry, "teebutton2")->isChecked());
        QPointer<QWidget> entryAlive(entry);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(entryAlive.isNull());

        expectRound(5, 1, 5, 5, 7, {5, 4, 5, 1, 6, 6, 5, 4, 5, 4, 4, 5, 6, 5, 4, 5, 11, 4}, 2);
        QCOMPARE(leagueOnDisk(), leagueFileText(m_expected->league));
        QCOMPARE(m_store->player(5).round[1].HoleScore[17], int16_t{10}); // capped from 11
    }
};

QTEST_MAIN(Stoppable<RoundEntryTest>)
#include "RoundEntryTest.moc"
