// The rules window's enabling and silent corrections, and score entry's note on the hole maximum.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "handicap/Rules.h"
#include "handicap/RulesWindow.h"
#include "handicap/ScoreEntryRules.h"
#include "handicap/ScoreEntryWindow.h"
#include "store/CourseFile.h"
#include "store/FileNames.h"
#include "store/LeagueFile.h"
#include "store/RuleOptions.h"
#include "store/SettingsFile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace tallyrock;
using namespace tallyrock::test;

class HandicapWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    static bool enabled(QWidget* window, const char* name) {
        return child<QWidget>(window, name)->isEnabled();
    }
    template <class W> W* show() {
        auto* window = new W(*m_store, *m_services);
        window->setAttribute(Qt::WA_DeleteOnClose);
        activate(window);
        return window;
    }

  private slots:
    void init() {
        makeFolder();
        makeServices(Date{6, 5, 2007});
        m_store = std::make_unique<Store>(sampleStore());
        m_store->workDir = m_store->settingsDir = m_dir;
        FillMonthNames(*m_store);
        m_store->league.LeagueFilePath = "Club.LGE";
        addSamplePlayer(*m_store, "Ann", 2);
        addSamplePlayer(*m_store, "Bob", 1);
        QVERIFY(!SaveCourseFile(*m_store));
    }
    void cleanup() { finish(); }

    // Only the selected option's box is open; casual and WHS close what they do not use.
    void rulesWindowFollowsTheOptions() {
        Settings& s = m_store->settings;
        s.HcpMethod = 1;
        s.RoundsOption = 4;
        s.RoundsToUse = 12;
        s.NineHoleOption = 0; // never chosen, as after a new install
        auto* window = show<RulesWindow>();
        QVERIFY(child<QRadioButton>(window, "roundsoption4")->isChecked());
        QVERIFY(child<QRadioButton>(window, "NineHoleOption1")->isChecked()); // what the calculation uses
        QCOMPARE(text(window, "Roundstext"), QString("12"));
        for (auto [option, opened, closed] : {std::tuple{"roundsoption3", "percentroundstext", "Roundstext"},
                                              std::tuple{"roundsoption4", "Roundstext", "percentroundstext"},
                                              std::tuple{"hcplimitoption3", "menshcpmaxtext", "whsframe"},
                                              std::tuple{"Strokeoption4", "Maxstroketext", "abovepartext"},
                                              std::tuple{"hcpoption3", "strokeframe", "Frame3"},
                                              std::tuple{"hcpoption2", "Frame3", "whsframe"},
                                              std::tuple{"hcpoption4", "whsframe", "strokeframe"}}) {
            click(window, option);
            QVERIFY2(enabled(window, opened), opened);
            QVERIFY2(!enabled(window, closed), closed);
        }
        for (const char* name : {"hcptext", "Frame3", "nineholeframe"})
            QVERIFY2(!enabled(window, name), name);
        QCOMPARE(child<QGroupBox>(window, "Frame3")->title(),
                 QString("Options not available with the World Handicap System"));
        window->close();
        QCOMPARE(s.HcpMethod, int16_t{1});
        QVERIFY(!fileExists(m_dir, "vexa.dat"));
    }

    // Accepting corrects silently and writes the files.
    void rulesAcceptWritesTheFiles() {
        auto* window = show<RulesWindow>();
        click(window, "roundsoption4");
        retype(window, "Roundstext", "21");
        retype(window, "hcptext", "1.11");
        click(window, "NineHoleOption2");
        closeWith(window, "okbutton");
        Settings& s = m_store->settings;
        QCOMPARE(s.RoundsToUse, int16_t{10});
        QCOMPARE(s.IndexFactor, 0.96f);
        QCOMPARE(s.NineHoleOption, int16_t{2});
        QCOMPARE(readFile(m_dir / "vexa.dat"), leagueListText(s));
        QCOMPARE(readFile(m_dir / "vexa.ini"), settingsFileText(s));

        window = show<RulesWindow>();
        click(window, "hcpoption4");
        QCOMPARE(text(window, "ninefactortext"), QString("0.52"));
        retype(window, "allowancetext", "85");
        retype(window, "ninebasetext", "1.5");
        closeWith(window, "okbutton");
        QCOMPARE(s.HcpMethod, int16_t{4});
        QCOMPARE(readFile(m_dir / "whs.ini"), crlf({" 85 ", " .52 ", " 1.5 "}));
        QCOMPARE(readFile(m_dir / "vexa.ini"), settingsFileText(s)); // still its 13 lines
        QVERIFY(m_dialogs->calls.empty());                           // corrections are silent
    }

    // The note under the holes names the maximum: stroke control's, or net double bogey's under WHS.
    void theHoleMaximumNoteFollowsTheRules() {
        m_store->player(1).PlayerMark = 1; // score entry for Ann on Pine Hills, June 5, 2007
        m_store->CurrentCourse = 1;
        m_store->EntryMonth = 6;
        m_store->EntryDay = 5;
        m_store->EntryYear = 7;
        m_store->whs.tees[{1, m_store->player(1).PlayerTee}].StrokeIndex = {
            0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18};
        m_store->settings.StrokeOption = 2;
        for (auto [method, note] : {std::pair{stored(HandicapMethod::Standard), StrokeControlNote},
                                    std::pair{stored(HandicapMethod::Whs), NetDoubleBogeyNote}}) {
            m_store->settings.HcpMethod = method;
            auto* window = show<ScoreEntryWindow>();
            auto* label = child<QLabel>(window, "eqlabel");
            QVERIFY(label->isVisible());
            QCOMPARE(label->text(), QString(note));
            closeWith(window, "cancelbutton");
        }
    }
};

QTEST_MAIN(Stoppable<HandicapWindowsTest>)
#include "HandicapWindowsTest.moc"
