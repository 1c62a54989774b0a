// The team windows driven through their widgets, and the team file they write when they close.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "store/TeamFile.h"
#include "teams/TeamDefinitionWindow.h"
#include "teams/TeamOps.h"
#include "teams/TeamPoints.h"
#include "teams/TeamPointsWindow.h"

#include <QSignalSpy>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

void select(QListWidget* list, const QStringList& texts) {
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (texts.contains(list->item(i)->text())) list->item(i)->setSelected(true);
}

} // namespace

class TeamWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // The window over the club with this team file, shown; `closed` counts its closing.
    template <class W> W* show(std::initializer_list<std::string> teamFile) {
        if (teamFile.size()) writeFile(m_dir / "Club.tea", crlf(teamFile));
        ReloadTeams(*m_store);
        auto* window = new W(*m_store, *m_services);
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_closed = std::make_unique<QSignalSpy>(window, &W::closed);
        window->show();
        return window;
    }
    std::unique_ptr<QSignalSpy> m_closed;

  private slots:
    void init() {
        makeFolder();
        makeServices(Date{7, 4, 2024});
        m_store = std::make_unique<Store>(storeIn(m_dir, "Club.LGE"));
        m_store->settings.FontName = "Courier New";
        for (const char* name : {"Ann", "Bob", "Cyd", "Dee", "Eve"})
            addSamplePlayer(*m_store, name);
    }
    void cleanup() { finish(); }

    void definitionNamesTeamsMovesPlayersAndSavesOnClose() {
        auto* window = show<TeamDefinitionWindow>({});
        retype(window, "teamnametext", "Eagles");
        QCOMPARE(text(window, "recordnumberlabel"), QString("Team # 1 of 1"));
        auto* unassigned = child<QListWidget>(window, "List1");
        auto* roster = child<QListWidget>(window, "List2");
        select(unassigned, {"Ann", "Cyd", "Eve"});
        click(window, "addbutton");
        QCOMPARE(items(roster), (QStringList{"Ann", "Cyd", "Eve"}));
        QCOMPARE(items(unassigned), (QStringList{"Bob", "Dee"}));
        click(window, "createbutton");
        QCOMPARE(text(window, "recordnumberlabel"), QString("Team # 2 of 2"));
        click(window, "createbutton"); // team 2 has no name yet
        QCOMPARE(m_dialogs->beeps, 1);
        paste(window, "teamnametext", "Ha\r\nwks\t"); // the team never holds the line break
        select(unassigned, {"Bob"});
        click(window, "addbutton");
        click(window, "prevteambutton");
        QCOMPARE(text(window, "teamnametext"), QString("Eagles"));
        select(roster, {"Eve"});
        click(window, "removebutton");
        QCOMPARE(items(unassigned), (QStringList{"Dee", "Eve"}));
        closeWith(window, "Exitbutton");
        QCOMPARE(m_closed->count(), 1);
        QCOMPARE(readFile(m_dir / "Club.tea"),
                 crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    }

    void definitionRemovesOnlyEmptyTeams() {
        auto* window = show<TeamDefinitionWindow>({" 3 ", "Aces", "Birdies", "Condors", " 1 ", " 2 ", " 3 ",
                                                   " 0 ", " 0 ", " 0 ", " 1 ", "B1", " 1 ", " 2 ", " 0 "});
        click(window, "nextteambutton");
        m_dialogs->answerMessage(Answer::Ok);
        click(window, "deleteteambutton");
        QCOMPARE(lastCall().text, rosterNotEmpty().text);
        select(child<QListWidget>(window, "List2"), {"Bob"});
        click(window, "removebutton");
        click(window, "deleteteambutton");
        QCOMPARE(text(window, "teamnametext"), QString("Condors"));
        window->close(); // the window's own close keeps the changes as well
        QCOMPARE(readFile(m_dir / "Club.tea"),
                 crlf({" 2 ", "Aces", "Condors", " 1 ", " 0 ", " 2 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    }

    // Date-prefixed entry added, two removed; points typed but not added: Yes adds them, No drops them.
    void pointsAddRemoveAskAboutTypedPointsAndSave() {
        auto* window = show<TeamPointsWindow>({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 0 ", " 0 ",
                                               " 3 ", "Week 1", " 10 ", " 2 ", "Week 2", " 0 ", " 4 ",
                                               "Week 3", " 9 ", " 8 ", " 0 "});
        QCOMPARE(text(window, "Membertext"), QString("Ann , Cyd "));
        click(window, "DateCheck");
        QCOMPARE(text(window, "Text1"), QString("07-04-2024 "));
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), "Oak Hills");
        retype(window, "ManualText", "12");
        retype(window, "Calculatedtext", "3.5");
        click(window, "Addbutton");
        auto* list = child<QListWidget>(window, "List1");
        QCOMPARE(items(list).mid(2),
                 (QStringList{QString::fromStdString(pointsEntryLine({"Week 3", 9, 8})),
                              QString::fromStdString(pointsEntryLine({"07-04-2024 Oak Hills", 12, 3.5f}))}));
        QCOMPARE(text(window, "Text1"), QString("07-04-2024 ")); // ready for the next line
        QCOMPARE(text(window, "TotalLabel"), QString("17.5"));
        list->item(0)->setSelected(true);
        list->item(2)->setSelected(true);
        click(window, "Removebutton");
        QCOMPARE(text(window, "TotalLabel"), QString("7.5"));
        retype(window, "Calculatedtext", "-1");
        m_dialogs->answerMessage(Answer::Yes);
        click(window, "nextteambutton");
        QCOMPARE(text(window, "TeamNameLabel"), QString("Hawks"));
        retype(window, "ManualText", "8");
        m_dialogs->answerMessage(Answer::No);
        closeWith(window, "exitbutton");
        QCOMPARE(m_closed->count(), 1);
        QCOMPARE(readFile(m_dir / "Club.tea"),
                 crlf({" 2 ", "Eagles", "Hawks", " 1 ", " 2 ", " 1 ", " 0 ", " 0 ", " 3 ", "Week 2", " 0 ",
                       " 4 ", "07-04-2024 Oak Hills", " 12 ", " 3.5 ", "07-04-2024 ", " 0 ", "-1 ", " 0 "}));
    }
};

QTEST_MAIN(Stoppable<TeamWindowsTest>)
#include "TeamWindowsTest.moc"
