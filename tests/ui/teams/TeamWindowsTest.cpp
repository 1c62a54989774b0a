// The team windows driven through their widgets: the team point file they write
// when they close is the one the core operations make, and the summary prints
// the core's pages.
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/ListText.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "store/TeamFile.h"
#include "teams/TeamDefinitionWindow.h"
#include "teams/TeamOps.h"
#include "teams/TeamPoints.h"
#include "teams/TeamPointsWindow.h"
#include "teams/TeamSummary.h"
#include "teams/TeamSummaryWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// League "Club" of Ann, Bob, Cyd, Dee and Eve in a temporary folder; no team file yet.
std::unique_ptr<Store> club(const TempDir& dir) {
    auto store = std::make_unique<Store>();
    store->workDir = dir.path();
    store->league.LeagueFilePath = "Club.LGE";
    store->settings.FontName = "Courier New";
    int p = 0;
    for (const char* name : {"Ann", "Bob", "Cyd", "Dee", "Eve"})
        store->player(++p).PlayerName = name;
    store->league.PlayerCount = static_cast<int16_t>(p);
    return store;
}

void select(QListWidget* list, const QStringList& texts) {
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (texts.contains(list->item(i)->text())) list->item(i)->setSelected(true);
}

} // namespace

class TeamWindowsTest : public QObject {
    Q_OBJECT

  private:
    template <class T> T* child(QWidget& window, const char* name) {
        stopAfterUnexpectedDialog();
        T* found = window.findChild<T*>(name);
        if (!found) qWarning("no child %s", name);
        return found;
    }
    void click(QWidget& window, const char* button) { child<QAbstractButton>(window, button)->click(); }
    void type(QWidget& window, const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(window, box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void paste(QWidget& window, const char* box, const QString& clip) {
        auto* edit = child<QLineEdit>(window, box);
        edit->selectAll();
        QApplication::clipboard()->setText(clip);
        QTest::keySequence(edit, QKeySequence::Paste);
    }
    QString label(QWidget& window, const char* name) { return child<QLabel>(window, name)->text(); }

    UiServices services() { return UiServices{*m_dialogs, *m_printer, m_clock}; }

    std::unique_ptr<TempDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    FixedClock m_clock{Date{7, 4, 2024}};

  private slots:
    void init() {
        m_dir = std::make_unique<TempDir>();
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        m_printer = std::make_unique<RecordingPrinter>();
    }

    void definitionNamesTeamsMovesPlayersAndSavesOnClose() {
        auto store = club(*m_dir);
        UiServices ui = services();
        auto* window = new TeamDefinitionWindow(*store, ui);
        QPointer<TeamDefinitionWindow> alive(window);
        QSignalSpy closed(window, &TeamDefinitionWindow::closed);
        window->show();
        type(*window, "teamnametext", "Eagles");
        QCOMPARE(label(*window, "recordnumberlabel"), QString("Team # 1 of 1"));
        auto* unassigned = child<QListWidget>(*window, "List1");
        auto* roster = child<QListWidget>(*window, "List2");
        select(unassigned, {"Ann", "Cyd", "Eve"});
        click(*window, "addbutton");
        QCOMPARE(items(roster), (QStringList{"Ann", "Cyd", "Eve"}));
        QCOMPARE(items(unassigned), (QStringList{"Bob", "Dee"}));

        click(*window, "createbutton");
        QCOMPARE(label(*window, "recordnumberlabel"), QString("Team # 2 of 2"));
        click(*window, "createbutton"); // team 2 has no name yet
        QCOMPARE(m_dialogs->beeps, 1);
        paste(*window, "teamnametext", "Ha\r\nwks\t"); // the team never holds the line break
        select(unassigned, {"Bob"});
        click(*window, "addbutton");

        click(*window, "prevteambutton");
        QCOMPARE(child<QLineEdit>(*window, "teamnametext")->text(), QString("Eagles"));
        select(roster, {"Eve"});
        click(*window, "removebutton");
        QCOMPARE(items(unassigned), (QStringList{"Dee", "Eve"}));

        click(*window, "Exitbutton");
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(alive.isNull()); // deleted on close, so the main window enables itself

        // The same steps through the core make the same file.
        auto expected = club(*m_dir);
        expected->teams.CurrentTeam = 1;
        nameTeam(*expected, "Eagles");
        moveIntoTeam(*expected, {"Ann", "Cyd"});
        createTeam(*expected);
        nameTeam(*expected, "Hawks");
        moveIntoTeam(*expected, {"Bob"});
        const std::string written = readFile(*m_dir / "Club.tea");
        QCOMPARE(written, teamFileText(expected->teams, expected->league.PlayerCount));
        QCOMPARE(written, crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    }

    void definitionRemovesOnlyEmptyTeams() {
        auto store = club(*m_dir);
        writeFile(*m_dir / "Club.tea", crlf({" 3 ", "Aces", "Birdies", "Condors", " 1 ", " 2 ", " 3 ", " 0 ",
                                             " 0 ", " 0 ", " 1 ", "B1", " 1 ", " 2 ", " 0 "}));
        UiServices ui = services();
        auto* window = new TeamDefinitionWindow(*store, ui);
        window->show();
        click(*window, "nextteambutton");
        QCOMPARE(items(child<QListWidget>(*window, "List2")), QStringList{"Bob"});

        m_dialogs->answerMessage(Answer::Ok);
        click(*window, "deleteteambutton");
        QCOMPARE(m_dialogs->calls.size(), std::size_t{1});
        QCOMPARE(m_dialogs->calls[0].text, rosterNotEmpty().text);

        select(child<QListWidget>(*window, "List2"), {"Bob"});
        click(*window, "removebutton");
        click(*window, "deleteteambutton");
        QCOMPARE(child<QLineEdit>(*window, "teamnametext")->text(), QString("Condors"));
        window->close(); // the window's own close keeps the changes as well
        QCOMPARE(readFile(*m_dir / "Club.tea"),
                 crlf({" 2 ", "Aces", "Condors", " 1 ", " 0 ", " 2 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    }

    void pointsAddsWithTheDatePrefixAsksAboutTypedPointsAndSaves() {
        auto store = club(*m_dir);
        writeFile(*m_dir / "Club.tea", crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 0 ", " 0 ",
                                             " 1 ", "Week 1", " 10 ", " 2 ", " 0 "}));
        UiServices ui = services();
        auto* window = new TeamPointsWindow(*store, ui);
        QSignalSpy closed(window, &TeamPointsWindow::closed);
        window->show();
        QCOMPARE(child<QLineEdit>(*window, "Membertext")->text(), QString("Ann , Cyd "));
        click(*window, "DateCheck");
        auto* comment = child<QLineEdit>(*window, "Text1");
        QCOMPARE(comment->text(), QString("07-04-2024 "));
        QTest::keyClicks(comment, "Oak Hills");
        type(*window, "ManualText", "12");
        type(*window, "Calculatedtext", "3.5");
        click(*window, "Addbutton");
        auto* list = child<QListWidget>(*window, "List1");
        QCOMPARE(items(list), (QStringList{qs(pointsEntryLine({"Week 1", 10, 2})),
                                           qs(pointsEntryLine({"07-04-2024 Oak Hills", 12, 3.5f}))}));
        QCOMPARE(comment->text(), QString("07-04-2024 ")); // ready for the next line
        QCOMPARE(label(*window, "TotalLabel"), QString("5.5"));

        // Points typed but not added: Yes adds them before the next team shows.
        type(*window, "Calculatedtext", "-1");
        m_dialogs->answerMessage(Answer::Yes);
        click(*window, "nextteambutton");
        QCOMPARE(label(*window, "TeamNameLabel"), QString("Hawks"));
        QCOMPARE(list->count(), 0);

        // No leaves them out.
        type(*window, "ManualText", "8");
        m_dialogs->answerMessage(Answer::No);
        click(*window, "exitbutton");
        QCOMPARE(closed.count(), 1);

        auto expected = club(*m_dir);
        expected->teams.TeamCount = 2;
        expected->teams.team[1].TeamName = "Eagles";
        expected->teams.team[2].TeamName = "Hawks";
        expected->teams.PlayerTeam = {0, 1, 2, 1};
        expected->teams.CurrentTeam = 1;
        addTeamEntry(*expected, "Week 1", "10", "2");
        addTeamEntry(*expected, "07-04-2024 Oak Hills", "12", "3.5");
        addTeamEntry(*expected, "07-04-2024 ", "", "-1");
        QCOMPARE(readFile(*m_dir / "Club.tea"), teamFileText(expected->teams, expected->league.PlayerCount));
    }

    void pointsRemovesTheSelectedEntries() {
        auto store = club(*m_dir);
        writeFile(*m_dir / "Club.tea",
                  crlf({" 1 ", "Eagles", " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 5 ", "E1", " 0 ", " 1 ", "E2",
                        " 0 ", " 2 ",    "E3",  " 0 ", " 4 ", "E4",  " 0 ", " 8 ", "E5", " 0 ", " 16 "}));
        UiServices ui = services();
        auto* window = new TeamPointsWindow(*store, ui);
        window->show();
        QCOMPARE(label(*window, "TotalLabel"), QString("31"));
        auto* list = child<QListWidget>(*window, "List1");
        list->item(1)->setSelected(true);
        list->item(2)->setSelected(true);
        click(*window, "Removebutton");
        QCOMPARE(label(*window, "TotalLabel"), QString("25"));
        click(*window, "exitbutton");
        QCOMPARE(readFile(*m_dir / "Club.tea"),
                 crlf({" 1 ", "Eagles", " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 3 ", "E1", " 0 ", " 1 ", "E4",
                       " 0 ", " 8 ", "E5", " 0 ", " 16 "}));
    }

    void summaryPrintsTheCorePages() {
        auto store = club(*m_dir);
        writeFile(*m_dir / "Club.tea", crlf({" 1 ", "Eagles", " 1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 2 ",
                                             "Week 1", " 10 ", " 2 ", "Week 2", " 11 ", " 3 "}));
        ReloadTeams(*store);
        UiServices ui = services();
        auto* window = new TeamSummaryWindow(*store, ui);
        QSignalSpy closed(window, &TeamSummaryWindow::closed);
        window->show();
        click(*window, "Namescheck");
        click(*window, "Option1_1");
        click(*window, "Printbutton");

        std::vector<std::vector<std::string>> pages = teamSummaryPages(*store, {true, true}, m_clock.today());
        pages[0].insert(pages[0].begin(), " ");
        QCOMPARE(m_printer->pages(), pages);
        QVERIFY(m_printer->ended());
        click(*window, "Donebutton");
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(Stoppable<TeamWindowsTest>)
#include "TeamWindowsTest.moc"
