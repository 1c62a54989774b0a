// Edit > Undo of the newest change (here or by the tool); the question before unsaved rounds drop.
#include "cli/CliRunner.h"
#include "fakes/MainWindowRig.h"
#include "handicap/RoundRecorder.h"
#include "store/LeagueFile.h"
#include "store/UndoLog.h"

#include <QMenu>

using namespace tallyrock;
using namespace tallyrock::test;

const char* const Pars = "4,4,3,5,4,4,3,5,4,4,4,3,5,4,4,3,5,4";

class UndoWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // Leagues "Club" (Ann Lee, Mary O'Hara and Cyd Moss with a round each, and teams) and "Other".
    void makeClub() {
        makeFolder();
        cli({"create-league", "Club"});
        cli({"create-league", "Other"});
        addCourse("Pine Hills");
        for (const char* name : {"Ann Lee", "Mary O'Hara", "Cyd Moss"}) {
            cli({"add-player", "Club", name});
            cli({"record", "Club", "--player", name, "--course", "Pine Hills", "--date", "06/05/26", "--out",
                 "45", "--in", "43"});
        }
        writeFile(m_dir / "Club.tea", crlf({" 1 ", "Eagles", " 1 ", " 1 ", " 0 ", " 0 "}));
    }
    void cli(const std::vector<std::string>& args) {
        CliResult r = runCli(m_dir, args);
        QVERIFY2(r.status == 0, r.err.c_str());
    }
    void addCourse(const char* name) { cli({"add-course", "--name", name, "--pars", Pars}); }
    void makeWindow() {
        makeMainWindow(m_dir / ".config" / "tallyrock", Date{6, 5, 2026});
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        m_window->show();
    }
    QString undoText() {
        emit m_window->findChild<QMenu*>("Editmenu")->aboutToShow(); // as the menu opens
        return child<QAction>("undomenu")->text();
    }
    // Club open, with two rounds recorded as score entry records them and not saved.
    void recordTwoRounds() {
        openLeague("leaguesmenu0", "Club");
        m_store->CurrentCourse = 1;
        HoleScores holes{};
        holes[OutSlot] = 40;
        holes[InSlot] = 42;
        for (int p : {1, 3}) {
            m_store->CurrentPlayer = static_cast<int16_t>(p);
            QCOMPARE(RoundRecorder(*m_store).record(holes, 2).outcome, RecordOutcome::Recorded);
        }
    }

  private slots:
    void cleanup() { finish(); }

    void theItemNamesTheNewestChangeAndPutsItsFilesBack() {
        makeClub();
        auto before = dataFiles(m_dir);
        cli({"remove-player", "Club", "Mary O'Hara"});
        makeWindow();
        QAction* undo = child<QAction>("undomenu");
        QCOMPARE(child<QMenu>("Editmenu")->actions().value(0), undo);
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(undoText(), QString("Undo Remove Player Mary O'Hara"));
        openLeague("leaguesmenu0", "Club");
        undo->trigger();
        QCOMPARE(dataFiles(m_dir), before);
        // The open league is read again: Mary is back in the tables the views show.
        QCOMPARE(m_window->messagePanelText(), QString("Current League - Club"));
        const auto& names = m_window->roundsView().lines().names;
        QVERIFY(std::find(names.begin(), names.end(), "Mary O'Hara") != names.end());
        QCOMPARE(undo->text(), QString("Undo Undo Remove Player Mary O'Hara"));

        // A change the tool makes while the window is open names the item when the menu opens.
        addCourse("Lakes & Dunes");
        QCOMPARE(undoText(), QString("Undo Add Course Lakes && Dunes"));
        undo->trigger();
        QCOMPARE(dataFiles(m_dir), before);

        // A long message says what was undone whole, beside the spin buttons.
        const char* longName = "The Lakes and Dunes Golf and Country Club of the Pines";
        addCourse(longName);
        undo->trigger();
        auto* message = child<QLabel>("actionmessage");
        QCOMPARE(message->text(), QString("Undone: Add Course ") + longName);
        QVERIFY(message->contentsRect().width() >= message->fontMetrics().horizontalAdvance(message->text()));
        QCOMPARE(dataFiles(m_dir), before);
    }

    // Exit, closing, opening a league, undo and the league window ask: Yes saves, No drops, Cancel keeps.
    void unsavedRoundsAreAskedAbout_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer");
        for (const char* way : {"Exitmenu", "close", "leaguesmenu1", "undomenu", "Creatmenu"})
            for (auto [answer, name] : {std::pair{Answer::Yes, "Yes"}, std::pair{Answer::No, "No"},
                                        std::pair{Answer::Cancel, "Cancel"}})
                QTest::addRow("%s %s", way, name) << QString(way) << static_cast<int>(answer);
    }
    void unsavedRoundsAreAskedAbout() {
        QFETCH(QString, way);
        QFETCH(int, answer);
        const auto given = static_cast<Answer>(answer);
        makeClub();
        makeWindow();
        recordTwoRounds();
        const std::string before = readFile(m_dir / "Club.LGE");
        const std::string withRounds = leagueFileText(m_store->league);
        m_dialogs->answerMessage(given);
        if (way == "close")
            m_window->close();
        else
            child<QAction>(way)->trigger();
        QCOMPARE(m_dialogs->calls.size(), std::size_t{1});
        QCOMPARE(m_dialogs->calls[0].text,
                 std::string("2 rounds recorded this evening are not saved yet. Save them now?"));
        QCOMPARE(m_dialogs->calls[0].buttons, Buttons::YesNoCancel);

        const bool leaves = way == "Exitmenu" || way == "close";
        QCOMPARE(m_window->isVisible(), given == Answer::Cancel || !leaves);
        if (given == Answer::Cancel) {
            QCOMPARE(readFile(m_dir / "Club.LGE"), before);
            QCOMPARE(unsavedRounds(*m_store), 2);
            QCOMPARE(m_window->messagePanelText(), QString("Current League - Club"));
            return;
        }
        QCOMPARE(unsavedRounds(*m_store), 0);
        if (way == "leaguesmenu1") QCOMPARE(m_window->messagePanelText(), QString("Current League - Other"));
        if (given == Answer::Yes) {
            QCOMPARE(readFile(m_dir / "Club.LGE"), withRounds);
            // Saving made the rounds the newest change: the undo stops there and names them.
            if (way == "undomenu") QCOMPARE(undoText(), QString("Undo Record 2 Rounds"));
        } else if (way == "undomenu") {
            // Dropped, and the tool's last change undone: Cyd's round is gone from the file and the tables.
            QCOMPARE(undoText(), QString("Undo Undo Record Round for Cyd Moss"));
            QCOMPARE(m_store->player(3).RoundCount, int16_t{0});
        } else {
            QCOMPARE(readFile(m_dir / "Club.LGE"), before);
        }
    }
};

QTEST_MAIN(Stoppable<UndoWindowTest>)
#include "UndoWindowTest.moc"
