// Set-up, score entry by keys, correcting and deleting: the file holds what the core computes.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "handicap/RoundRecorder.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"

#include <QRadioButton>
#include <clocale>
#include <cstdlib>
#include <locale.h>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const Date Today{6, 5, 2007};
using Holes = std::array<int, 18>;

// "Friday": Ann (white tee, last course handicap 12), an empty slot, Bob, Cyd (ladies), Dee (pro),
// a second Bob with one round; Oak Hollow has no slope for the pro tee. Standard stroke control.
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
    addRounds(s, ann,
              {{6, 1, 6, 1, 45, 45, 11.2f, 20, {0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
               {7, 20, 6, 2, 40, 41, 11.2f, 12, {0, 4, 5, 3, 5, 4, 5, 3, 6, 5, 5, 4, 4, 5, 4, 5, 3, 6, 5}}});
    addRound(s, bob2,
             {5, 5, 7, 1, 36, 36, 11.2f, 3, {0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}});
    return s;
}

// Remembers the calculation panel as it stands while " Pausing..." holds it on screen.
class PausingDialogs : public FakeDialogs {
  public:
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

class RoundEntryTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // The league's files in a fresh folder, and the main window with it open.
    void openLeague(int dateRemind) {
        makeFolder();
        fs::create_directories(m_dir / "config");
        Store files = league(m_dir, dateRemind);
        QVERIFY(!SaveCourseFile(files) && !SaveLeagueFile(files) && !SaveLeagueList(files) &&
                SaveSettings(files));
        // The core's own run writes beside, never over, the window's file.
        m_expected = std::make_unique<Store>(files);
        m_expected->workDir = m_dir / "expected";
        fs::create_directories(m_expected->workDir);
        makeServices<PausingDialogs>(Today);
        startMain(Today, true);
        MainWindowRig::openLeague("leaguesmenu0", "Friday");
    }
    QStringList& pausedPanel() { return static_cast<PausingDialogs&>(*m_dialogs).pausedPanel; }

    // Round set-up through its widgets: the players of these list rows, the course typed.
    QWidget* setUpRound(const std::vector<int>& rows, const QString& course) {
        QWidget* setup = open("entermenu", "selectplayers");
        for (int row : rows)
            clickRow(child<QListWidget>(setup, "List1"), row);
        QTest::keyClicks(child<QComboBox>(setup, "coursecombo")->lineEdit(), course);
        return setup;
    }
    // The round chosen in the edit-round chooser by its rows, in score entry.
    QWidget* correct(int playerRow, int roundRow) {
        QWidget* chooser = open("editroundmenu", "GPlayer");
        auto* list = child<QListWidget>(chooser, "List1");
        clickRow(list, playerRow);
        click(chooser, "acceptbutton");
        doubleClickRow(list, roundRow);
        return shown("roundsform");
    }
    // Records the round the core way, as the window was given it (into that slot when correcting).
    void expectRound(int p, int month, int day, int year, const Holes& holes, int tee, int editSlot = 0) {
        Store& s = *m_expected;
        s.CurrentPlayer = static_cast<int16_t>(p);
        s.CurrentCourse = 1;
        s.EntryMonth = static_cast<int16_t>(month);
        s.EntryDay = static_cast<int16_t>(day);
        s.EntryYear = static_cast<int16_t>(year);
        s.EditSlot = static_cast<int16_t>(editSlot);
        RoundRecorder recorder(s);
        QCOMPARE(recorder.recordTyped(holeScores(holes), true, tee).outcome, RecordOutcome::Recorded);
        m_expectedPanel = qlist(recorder.panel());
    }
    std::string leagueOnDisk() const { return readFile(m_dir / "Friday.LGE"); }
    void expectFileAndView() {
        QCOMPARE(leagueOnDisk(), leagueFileText(m_expected->league));
        QTRY_COMPARE(items(child<QListWidget>("List2")), qlist(coreLines(ViewMode::Recent).rounds));
    }

    std::unique_ptr<Store> m_expected;
    QStringList m_expectedPanel;

  private slots:
    // QApplication sets the C locale from LC_ALL, so under de_DE the windows meet a decimal comma.
    void initTestCase() {
        const char* wanted = std::getenv("LC_ALL");
        locale_t installed = wanted && *wanted ? newlocale(LC_ALL_MASK, wanted, nullptr) : nullptr;
        if (!installed) return;
        freelocale(installed);
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray(wanted));
    }

    void cleanup() { finish(); }

    void threePlayersFromSetUpToTheRoundsView() {
        openLeague(1);
        QWidget* setup = setUpRound({0, 1, 2}, "pine hills"); // Ann, Bob (slot 3), Cyd
        click(setup, "DayspinUp");
        // The date check answered No keeps the set-up open; Yes goes on.
        m_dialogs->answerMessage(Answer::No);
        click(setup, "acceptbutton");
        QVERIFY(setup->isVisible());
        QVERIFY(lastCall().text.starts_with("Is 6/6/2007 at Pine Hills\r\n"));
        m_dialogs->answerMessage(Answer::Yes);
        closeWith(setup, "acceptbutton", true); // the main window stays disabled across the hand-over
        QWidget* entry = shown("roundsform");
        QCOMPARE(text(entry, "Namelabel"), QString("Pine Hills  golf course  on June  6"));
        QCOMPARE(text(entry, "Pnamelabel"), QString("Ann"));
        QVERIFY(child<QRadioButton>(entry, "teebutton2")->isChecked());
        click(entry, "infobutton"); // the topic follows the mode: entering here, correcting below
        QCOMPARE(m_help.topics, std::vector<HelpTopic>{HelpTopic::EnteringScores});

        // Ann: a 10 on hole 5, hole 8 skipped with Enter; her course handicap of 12 caps holes at 7.
        activate(entry);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext1"));
        typeKeys("5436104");
        QCOMPARE(text(entry, "scoretext5"), QString("10"));
        typeKeys("5\n4");
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext10"));
        QCOMPARE(text(entry, "outscoretext"), QString("  41"));
        typeKeys("554659465");
        QCOMPARE(text(entry, "Totalscorelabel"), QString("90"));
        m_dialogs->answerMessage(Answer::Yes); // hole 8 was left out on purpose
        click(entry, "recordbutton");
        QCOMPARE(lastCall().text, std::string("Hole 8 has no score. Record the round anyway?"));
        QCOMPARE(text(entry, "scoretext5"), QString(" 7")); // capped in the box, before the record
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Bob"));
        expectRound(1, 6, 6, 7, {5, 4, 3, 6, 10, 4, 5, 0, 4, 5, 5, 4, 6, 5, 9, 4, 6, 5}, 2);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext1"));

        // Bob (slot 3, no rounds yet): his cap is 10, so a 12 becomes 10.
        typeKeys("12" + QString(17, '5'));
        click(entry, "recordbutton");
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Cyd"));
        expectRound(3, 6, 6, 7, {12, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 2);

        // Cyd with the calculation panel shown: the pause holds it on screen.
        click(entry, "Command3D1");
        typeKeys("654765476567456745");
        m_dialogs->answerMessage(Answer::Ok);
        closeWith(entry, "recordbutton");
        expectRound(4, 6, 6, 7, {6, 5, 4, 7, 6, 5, 4, 7, 6, 5, 6, 7, 4, 5, 6, 7, 4, 5}, 1);
        QCOMPARE(pausedPanel(), m_expectedPanel);
        expectFileAndView();
    }

    void withoutDateRemindSkipCancelAndRefusal() {
        openLeague(0);
        QWidget* setup = setUpRound({}, "Oak Hollow");
        click(setup, "allbutton");
        clickRow(child<QListWidget>(setup, "List1"), 0); // Ann out again
        clickRow(child<QListWidget>(setup, "List1"), 4); // the second Bob out
        click(setup, "acceptbutton");                    // no date question
        QWidget* entry = shown("roundsform");
        QCOMPARE(text(entry, "Pnamelabel"), QString("Bob"));

        // Bob skipped; Cyd recorded; Dee from the pro tee is refused: Oak Hollow has no slope there.
        click(entry, "skipbutton");
        QCOMPARE(text(entry, "Pnamelabel"), QString("Cyd"));
        for (int i = 1; i <= 18; ++i)
            QTest::keyClicks(child<QLineEdit>(entry, QString("scoretext%1").arg(i)), "5");
        click(entry, "recordbutton");
        QTRY_COMPARE(text(entry, "Pnamelabel"), QString("Dee"));
        retype(entry, "outscoretext", "44");
        m_dialogs->answerMessage(Answer::Ok);
        click(entry, "recordbutton");
        QTRY_COMPARE(m_dialogs->pending(), std::size_t{0});
        QVERIFY(lastCall().text.starts_with("This round cannot be recorded:"));
        QCOMPARE(m_store->player(5).RoundCount, int16_t{0});

        // Cancel: Cyd's round stays in the tables only.
        const std::string before = leagueOnDisk();
        closeWith(entry, "cancelbutton");
        QCOMPARE(leagueOnDisk(), before);
        QCOMPARE(m_store->player(4).RoundCount, int16_t{1});
    }

    void correctingARoundChosenByDate() {
        openLeague(0);
        QWidget* chooser = open("editroundmenu", "GPlayer");
        auto* list = child<QListWidget>(chooser, "List1");
        click(chooser, "acceptbutton");
        QCOMPARE(m_dialogs->beeps, 1);
        clickRow(list, 0);
        click(chooser, "acceptbutton");
        QCOMPARE(items(list), (QStringList{"07/20/06   Oa    81", "06/01/06   Pi    90"}));
        doubleClickRow(list, 1);
        QWidget* entry = shown("roundsform");
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
        QCOMPARE(QApplication::focusWidget(), hole2);
        QCOMPARE(text(entry, "outscoretext"), QString("  47"));
        closeWith(entry, "recordbutton");

        expectRound(1, 6, 1, 6, {5, 7, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 2, 1);
        expectFileAndView();
        QCOMPARE(m_store->player(1).round[2].RoundIndex, 11.2f); // later rounds are not recalculated
    }

    // A click selects a box's text, the totals' too; No to a forgotten hole goes back to it.
    void aClickSelectsAndAForgottenHoleIsAsked() {
        openLeague(0);
        QWidget* setup = setUpRound({0, 1}, "Pine Hills"); // Ann, Bob
        click(setup, "acceptbutton");
        QWidget* entry = shown("roundsform");
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
        QTest::mouseClick(child<QLineEdit>(entry, "scoretext3"), Qt::LeftButton);
        typeKeys("5");
        m_dialogs->answerMessage(Answer::No);
        click(entry, "recordbutton");
        QCOMPARE(lastCall().text, std::string("Hole 7 has no score. Record the round anyway?"));
        QCOMPARE(lastCall().defaultButton, Answer::No);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext7"));
        typeKeys("6");
        closeWith(entry, "recordbutton");
        const auto& bob = m_store->player(3).round[1].HoleScore;
        QCOMPARE((std::pair(bob[3], bob[7])), (std::pair<int16_t, int16_t>(5, 6)));
    }

    void deletingTheNewestRoundAndCorrectingOneOfTwoNamesakes() {
        openLeague(0);
        QWidget* entry = correct(0, 0);
        QCOMPARE(m_store->EditSlot, int16_t{2});
        const std::string before = leagueOnDisk();
        m_dialogs->answerMessage(Answer::No);
        click(entry, "deletebutton");
        QCOMPARE(lastCall().text, deleteRoundQuestion().text);
        QCOMPARE(leagueOnDisk(), before);
        m_dialogs->answerMessage(Answer::Yes);
        closeWith(entry, "deletebutton");
        m_expected->CurrentPlayer = 1;
        m_expected->EditSlot = 2;
        QVERIFY(!RoundRecorder(*m_expected).deleteRound(2));
        expectFileAndView();

        entry = correct(1, 0); // "Bob": the later of the two has the round
        QCOMPARE(m_store->CurrentPlayer, int16_t{6});
        closeWith(entry, "recordbutton"); // one round corrected, then entry ends
        QCOMPARE(m_store->player(3).RoundCount, int16_t{0});
        QCOMPARE(m_store->player(6).RoundCount, int16_t{1});
    }

    // A round from the keyboard alone: Alt+E, Space, the course typed, Alt+A, scores, Alt+M, Alt+R.
    void aWholeRoundFromTheKeyboard() {
        openLeague(0);
        activate(m_window.get());
        // Alt+E is also the mnemonic of "&Edit", which opens first; Right moves on to "&Enter Rounds".
        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* setup = shown("selectplayers");
        activate(setup);
        auto* list = child<QListWidget>(setup, "List1");
        QCOMPARE(QApplication::focusWidget(), list);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space); // Dee
        QTest::keyClick(list, Qt::Key_Tab);
        typeKeys("pine");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // month spin: May
        QCOMPARE(text(setup, "Monthlabel"), QString("May"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);

        // A button's Alt key presses it as a short animation, so the window comes a moment later.
        QWidget* entry = nullptr;
        QTRY_VERIFY((entry = opened("roundsform")));
        activate(entry);
        QCOMPARE(text(entry, "Pnamelabel"), QString("Dee"));
        typeKeys("a54"); // a letter does not type
        typeKeys("4\b"); // hole 3, then a backspace in the empty hole 4
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier); // discarded too
        typeKeys("5");                      // Shift+Tab selected hole 3: a 5 replaces the 4
        typeKeys("1\n66545445654511\n4\n"); // Enter in hole 18 stays
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(entry, "scoretext18"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>(entry, "teebutton2")->isChecked());
        QPointer<QWidget> alive(entry);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(alive.isNull());
        expectRound(5, 5, 5, 7, {5, 4, 5, 1, 6, 6, 5, 4, 5, 4, 4, 5, 6, 5, 4, 5, 11, 4}, 2);
        QCOMPARE(leagueOnDisk(), leagueFileText(m_expected->league));
    }
};

QTEST_MAIN(Stoppable<RoundEntryTest>)
#include "RoundEntryTest.moc"
