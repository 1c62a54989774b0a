// The handicap windows on their own, driven through their widgets: the rules
// window with its enabling rules and silent corrections, the course handicap
// calculator, the date spins of round set-up, and score entry's hole boxes.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "handicap/CourseHandicapWindow.h"
#include "handicap/RoundSetupWindow.h"
#include "handicap/Rules.h"
#include "handicap/RulesWindow.h"
#include "handicap/ScoreEntryRules.h"
#include "handicap/ScoreEntryWindow.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/RuleOptions.h"
#include "store/SettingsFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace tallyrock;
using namespace tallyrock::test;

class HandicapWindowsTest : public QObject {
    Q_OBJECT

  private:
    template <class T> static T* child(QWidget& window, const QString& name) {
        stopAfterUnexpectedDialog();
        T* found = window.findChild<T*>(name);
        if (!found) qWarning("no child %s", qPrintable(name));
        return found;
    }
    static void click(QWidget& window, const QString& name) { child<QAbstractButton>(window, name)->click(); }
    static QLineEdit* box(QWidget& window, const QString& name) { return child<QLineEdit>(window, name); }
    static void retype(QWidget& window, const QString& name, const QString& text) {
        QLineEdit* edit = box(window, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static bool enabled(QWidget& window, const QString& name) {
        return child<QWidget>(window, name)->isEnabled();
    }
    static void activate(QWidget& window) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    // Keys as typed: each goes where the focus is.
    static void typeKeys(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

    UiServices services() { return UiServices{*m_dialogs, *m_printer, *m_clock}; }
    // Pine Hills and a league of Ann and Bob in a fresh folder.
    void makeStore() {
        m_store = std::make_unique<Store>(sampleStore());
        m_store->workDir = m_dir->path();
        m_store->settingsDir = m_dir->path();
        FillMonthNames(*m_store);
        m_store->league.LeagueFilePath = "Club.LGE";
        addSamplePlayer(*m_store, "Ann", 2);
        addSamplePlayer(*m_store, "Bob", 1);
        QVERIFY(!SaveCourseFile(*m_store));
    }

    std::unique_ptr<TempDir> m_dir;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    std::unique_ptr<FixedClock> m_clock;

    // Score entry for player 1 on course 1, June 5, 2007.
    void enterScoresForPlayerOne() {
        m_store->player(1).PlayerMark = 1;
        m_store->CurrentCourse = 1;
        m_store->EntryMonth = 6;
        m_store->EntryDay = 5;
        m_store->EntryYear = 7;
    }

  private slots:
    void init() {
        m_dir = std::make_unique<TempDir>();
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        m_printer = std::make_unique<RecordingPrinter>();
        m_clock = std::make_unique<FixedClock>(Date{6, 5, 2007});
        makeStore();
    }
    void cleanup() { QCOMPARE(m_dialogs->pending(), std::size_t{0}); }

    void rulesWindowShowsTheSettingsAndFollowsTheOptions() {
        Settings& s = m_store->settings;
        s.HcpMethod = 1;
        s.RoundsOption = 4;
        s.RoundsToUse = 12;
        s.HcpLimitOption = 2;
        s.StrokeOption = 3;
        s.StrokesAbovePar = 3;
        s.DateRemind = 1;
        s.NineHoleOption = 0; // never chosen, as after a new install
        UiServices ui = services();
        RulesWindow window(*m_store, ui);
        window.show();
        QVERIFY(child<QRadioButton>(window, "roundsoption4")->isChecked());
        QVERIFY(child<QRadioButton>(window, "NineHoleOption1")->isChecked()); // what the calculation uses
        QCOMPARE(box(window, "Roundstext")->text(), QString("12"));
        QCOMPARE(box(window, "hcptext")->text(), QString(".96"));
        QVERIFY(child<QCheckBox>(window, "dateremindcheck")->isChecked());

        // Only the box of the selected option is open.
        QVERIFY(enabled(window, "Roundstext"));
        QVERIFY(!enabled(window, "menshcpmaxtext"));
        QVERIFY(!enabled(window, "Maxstroketext"));
        click(window, "roundsoption3");
        QVERIFY(enabled(window, "percentroundstext"));
        QVERIFY(!enabled(window, "Roundstext"));
        click(window, "hcplimitoption3");
        QVERIFY(enabled(window, "menshcpmaxtext"));
        click(window, "Strokeoption4");
        QVERIFY(enabled(window, "Maxstroketext"));
        QVERIFY(!enabled(window, "abovepartext"));

        // The casual method closes the rounds frame at once, and another method opens it again.
        auto* frame = child<QGroupBox>(window, "Frame3");
        click(window, "hcpoption3");
        QVERIFY(!frame->isEnabled());
        click(window, "hcpoption2");
        QVERIFY(frame->isEnabled());

        // Closing without accepting changes nothing and writes nothing.
        window.close();
        QCOMPARE(s.HcpMethod, int16_t{1});
        QVERIFY(!fileExists(m_dir->path(), "vexa.dat"));
    }

    void rulesAcceptCorrectsSilentlyAndWritesBothFiles() {
        UiServices ui = services();
        auto* window = new RulesWindow(*m_store, ui);
        QPointer<RulesWindow> alive(window);
        window->show();
        click(*window, "roundsoption4");
        retype(*window, "Roundstext", "21");
        retype(*window, "hcptext", "1.11");
        click(*window, "NineHoleOption2");
        child<QCheckBox>(*window, "dateremindcheck")->click();
        click(*window, "okbutton");
        QTRY_VERIFY(alive.isNull());
        const Settings& s = m_store->settings;
        QCOMPARE(s.RoundsOption, int16_t{4});
        QCOMPARE(s.RoundsToUse, int16_t{10});
        QCOMPARE(s.IndexFactor, 0.96f);
        QCOMPARE(s.NineHoleOption, int16_t{2});
        QCOMPARE(s.DateRemind, int16_t{1});
        QVERIFY(m_dialogs->calls.empty()); // corrections are silent
        QCOMPARE(readFile(m_dir->path() / "vexa.dat"), leagueListText(s));
        QCOMPARE(readFile(m_dir->path() / "vexa.ini"), settingsFileText(s));
    }

    void rulesWorldHandicapSystemTakesItsOwnNumbersInsteadOfStrokeControl() {
        UiServices ui = services();
        auto* window = new RulesWindow(*m_store, ui);
        QPointer<RulesWindow> alive(window);
        window->show();
        const QStringList others{"strokeframe", "hcptext", "Frame3", "nineholeframe"};
        for (const QString& name : others)
            QVERIFY(enabled(*window, name));
        QVERIFY(!enabled(*window, "whsframe"));
        click(*window, "hcpoption4");
        for (const QString& name : others)
            QVERIFY2(!enabled(*window, name), qPrintable(name));
        QVERIFY(enabled(*window, "whsframe"));
        QCOMPARE(child<QGroupBox>(*window, "Frame3")->title(),
                 QString("Options not available with the World Handicap System"));
        QCOMPARE(box(*window, "ninefactortext")->text(), QString("0.52"));
        retype(*window, "allowancetext", "85");
        retype(*window, "ninebasetext", "1.5");
        click(*window, "okbutton");
        QTRY_VERIFY(alive.isNull());
        const Settings& s = m_store->settings;
        QCOMPARE(s.HcpMethod, int16_t{4});
        QCOMPARE(s.WhsAllowance, int16_t{85});
        QCOMPARE(s.WhsNineBase, int16_t{15});
        QCOMPARE(readFile(m_dir->path() / "whs.ini"), crlf({" 85 ", " .52 ", " 1.5 "}));
        QCOMPARE(readFile(m_dir->path() / "vexa.ini"), settingsFileText(s)); // still its 13 lines
    }

    void calculatorFromIndexToCourseHandicap() {
        UiServices ui = services();
        CourseHandicapWindow window(ui);
        activate(window);
        auto* message = child<QLabel>(window, "Hcpmessage");
        QCOMPARE(QApplication::focusWidget(), box(window, "Text1"));
        typeKeys("12.3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on to the slope
        QCOMPARE(QApplication::focusWidget(), box(window, "Text2"));
        typeKeys("130");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // calculates
        QCOMPARE(message->text(), QString("Course Handicap = 14"));
        QCOMPARE(QApplication::focusWidget(), box(window, "Text1"));
        QCOMPARE(box(window, "Text1")->selectedText(), QString("12.3"));

        typeKeys("-2.0");                     // replaces the selected index
        QCOMPARE(message->text(), QString()); // a change empties the result
        retype(window, "Text2", "140");
        click(window, "Calcbutton");
        QCOMPARE(message->text(), QString("Course Handicap = -2"));

        box(window, "Text1")->clear();
        click(window, "Calcbutton");
        QCOMPARE(message->text(), QString("Enter your Hcp Index"));
        QCOMPARE(m_dialogs->beeps, 1);
    }

    void roundSetUpDateSpins() {
        m_clock->set(Date{2, 28, 1999});
        m_store->settings.DateRemind = 2;
        UiServices ui = services();
        auto* window = new RoundSetupWindow(*m_store, ui);
        QPointer<QWidget> alive(window);
        window->show();
        auto* yearSpin = child<QWidget>(*window, "Yearspin");
        auto label = [&](const char* name) { return child<QLabel>(*window, name)->text(); };
        click(*window, "YearspinUp");
        QCOMPARE(label("yearlabel"), QString("00"));
        QCOMPARE(yearSpin->toolTip(), QString("Year 2000"));
        click(*window, "YearspinDown");
        QCOMPARE(label("yearlabel"), QString("99"));

        // The day runs to 31 in any month; the month stops at its ends.
        QCOMPARE(label("Monthlabel"), QString("Feb"));
        for (int i = 0; i < 4; ++i)
            click(*window, "DayspinUp");
        QCOMPARE(label("daylabel"), QString("31"));
        click(*window, "monthspinDown");
        click(*window, "monthspinDown");
        QCOMPARE(label("Monthlabel"), QString("Jan"));
        QCOMPARE(m_store->EntryMonth, int16_t{1});

        // Keys on a focused spin step it too.
        auto* daySpin = child<QWidget>(*window, "Dayspin");
        QTest::keyClick(daySpin, Qt::Key_Up);
        QCOMPARE(label("daylabel"), QString("31"));
        QTest::keyClick(daySpin, Qt::Key_Down);
        QCOMPARE(label("daylabel"), QString("30"));

        // Cancel: no player takes part, and a reminder of 2 becomes 1.
        m_store->player(2).PlayerMark = 1;
        click(*window, "cancelbutton");
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(m_store->player(2).PlayerMark, int16_t{0});
        QCOMPARE(m_store->settings.DateRemind, int16_t{1});
    }

    void holeBoxesTypeAsTheSecretaryExpects() {
        enterScoresForPlayerOne();
        UiServices ui = services();
        auto* window = new ScoreEntryWindow(*m_store, ui);
        QPointer<QWidget> alive(window);
        activate(*window);
        QVERIFY(!child<QLabel>(*window, "eqlabel")->isVisible()); // stroke control is off

        // "4" in hole 3 shows " 4" and moves on; "1" waits for its second digit.
        box(*window, "scoretext3")->setFocus();
        typeKeys("4");
        QCOMPARE(box(*window, "scoretext3")->text(), QString(" 4"));
        QCOMPARE(QApplication::focusWidget(), box(*window, "scoretext4"));
        typeKeys("1");
        QCOMPARE(box(*window, "scoretext4")->text(), QString(" 1"));
        QCOMPARE(QApplication::focusWidget(), box(*window, "scoretext4"));
        typeKeys("0");
        QCOMPARE(box(*window, "scoretext4")->text(), QString("10"));
        QCOMPARE(QApplication::focusWidget(), box(*window, "scoretext5"));
        typeKeys("x.-9");
        QCOMPARE(box(*window, "scoretext5")->text(), QString("9"));
        QCOMPARE(box(*window, "outscoretext")->text(), QString("  23"));

        // Both totals 0: nothing is recorded and the focus goes back to hole 1.
        for (int i = 1; i <= 9; ++i)
            box(*window, QString("scoretext%1").arg(i))->clear();
        box(*window, "outscoretext")->setText("0");
        click(*window, "recordbutton");
        QTRY_COMPARE(QApplication::focusWidget(), box(*window, "scoretext1"));
        QCOMPARE(m_store->player(1).RoundCount, int16_t{0});
        click(*window, "cancelbutton");
        QTRY_VERIFY(alive.isNull());
    }

    // The note under the holes says which maximum a hole is held to: stroke
    // control's when it is on, net double bogey's under the World Handicap System.
    void theHoleMaximumNoteFollowsTheRules() {
        enterScoresForPlayerOne();
        m_store->whs.tees[{1, m_store->player(1).PlayerTee}].StrokeIndex = {
            0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18};
        const std::pair<int16_t, const char*> cases[] = {
            {stored(HandicapMethod::Standard), StrokeControlNote},
            {stored(HandicapMethod::Whs), NetDoubleBogeyNote},
        };
        m_store->settings.StrokeOption = 2;
        for (const auto& [method, note] : cases) {
            m_store->settings.HcpMethod = method;
            UiServices ui = services();
            auto* window = new ScoreEntryWindow(*m_store, ui);
            QPointer<QWidget> alive(window);
            activate(*window);
            auto* label = child<QLabel>(*window, "eqlabel");
            QVERIFY(label->isVisible());
            QCOMPARE(label->text(), QString(note));
            click(*window, "cancelbutton");
            QTRY_VERIFY(alive.isNull());
        }
    }
};

QTEST_MAIN(Stoppable<HandicapWindowsTest>)
#include "HandicapWindowsTest.moc"
