// The chart windows and the card window, driven as a user drives them: the
// chooser, the trend graph and pie chart and the switch between them, the
// comparison list, and the handicap cards with their settings.
#include "charts/ChartChooserWindow.h"
#include "charts/CompareChartWindow.h"
#include "charts/HandicapCardWindow.h"
#include "charts/PieChartWindow.h"
#include "charts/TrendChartWindow.h"
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/ListText.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "store/SettingsFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const Date Today{6, 5, 2007};

QString text(const QWidget* window, const char* label) {
    stopAfterUnexpectedDialog();
    auto* l = window->findChild<QLabel*>(label);
    return l ? l->text() : QString("<no %1>").arg(label);
}

void click(const QWidget* window, const char* button) {
    stopAfterUnexpectedDialog();
    auto* b = window->findChild<QPushButton*>(button);
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

void select(QListWidget* list, const QString& name) {
    QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    found.front()->setSelected(true);
}

} // namespace

class ChartWindowsTest : public QObject {
    Q_OBJECT

  private:
    Store m_store;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<UiServices> m_services;
    std::vector<QPointer<QWidget>> m_opened; // chart windows handed to the adopter
    fs::path m_dir;

    ChartAdopter adopter() {
        return [this](QWidget* w) { m_opened.emplace_back(w); };
    }

    // League "Club": Ann (slot 1), an empty slot 2, Cy (slot 3) with rounds on "PH", Dee (slot 4) without.
    void makeLeague() {
        m_store = Store{};
        static int serial = 0;
        m_dir = caseFolder("case" + std::to_string(++serial));
        m_store.workDir = m_dir;
        m_store.settingsDir = m_dir / "config";
        m_store.settings.FontName = "Courier New";
        m_store.league.LeagueFilePath = "Club.LGE";
        setChartCourse(m_store, 1, std::vector<int>(18, 4), "PH");
        int ann = addSamplePlayer(m_store, "Ann");
        addSamplePlayer(m_store, "");
        int cy = addSamplePlayer(m_store, "Cy");
        addSamplePlayer(m_store, "Dee");
        setHoleScores(addChartRound(m_store, ann, 14.2f, 12.0f), {4, 5, 5, 4, 6, 4, 5, 4, 4});
        for (float diff : {10.0f, 8.4f, 9.1f}) {
            RoundRecord& r = addChartRound(m_store, cy, diff, diff - 1.0f);
            setHoleScores(r, {4, 4, 3, 4, 5, 4, 4, 4, 4, 4, 4, 4, 5, 4, 4, 4, 4, 6});
        }
    }

  private slots:
    void init() {
        makeLeague();
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        m_printer = std::make_unique<RecordingPrinter>();
        m_clock = std::make_unique<FixedClock>(Today);
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, *m_printer, *m_clock, nullptr});
        m_opened.clear();
    }

    void cleanup() {
        for (QPointer<QWidget>& w : m_opened)
            delete w.data();
        m_opened.clear();
        QCOMPARE(m_dialogs->pending(), std::size_t{0});
    }

    void chooserOpensTheChartOfTheChosenEntrysSlot() {
        m_store.ChartKind = "line";
        ChartChooserWindow chooser(m_store, *m_services, adopter());
        QSignalSpy closed(&chooser, &ChartChooserWindow::closed);
        auto* list = chooser.findChild<QListWidget*>("List1");
        QCOMPARE(items(list), (QStringList{"Ann", "Cy", "Dee"}));

        select(list, "Cy"); // list position 2, slot 3
        click(&chooser, "acceptbutton");
        QCOMPARE(m_store.CurrentPlayer, int16_t{3});
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_opened.size(), std::size_t{1});
        auto* trend = qobject_cast<TrendChartWindow*>(m_opened[0].data());
        QVERIFY(trend);
        QCOMPARE(text(trend, "Lab3"), QString("Cy"));
        QCOMPARE(text(trend, "Lab2_4"), QString("Current Hcp. Index = 8.1"));
    }

    void chooserWithPieKindOpensThePieChart() {
        m_store.ChartKind = "pie";
        ChartChooserWindow chooser(m_store, *m_services, adopter());
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        auto* list = chooser.findChild<QListWidget*>("List1");
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(m_store.CurrentPlayer, int16_t{1});
        QCOMPARE(m_opened.size(), std::size_t{1});
        auto* pie = qobject_cast<PieChartWindow*>(m_opened[0].data());
        QVERIFY(pie);
        QCOMPARE(text(pie, "Namelabel"), QString("Ann"));
        QCOMPARE(text(pie, "totalholeslabel"), QString("# of scores recorded = 9"));
    }

    void trendSwitchesToThePieAndBackKeepingThePlayer() {
        m_store.CurrentPlayer = 3;
        auto* trend = new TrendChartWindow(m_store, *m_services, adopter());
        trend->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<TrendChartWindow> first(trend);
        trend->show();
        click(trend, "Command3d1");
        QTRY_VERIFY(first.isNull()); // closed and deleted
        QCOMPARE(m_store.CurrentPlayer, int16_t{3});
        QCOMPARE(m_opened.size(), std::size_t{1});
        auto* pie = qobject_cast<PieChartWindow*>(m_opened[0].data());
        QVERIFY(pie);
        QCOMPARE(text(pie, "Namelabel"), QString("Cy"));
        click(pie, "Command3d1");
        QCOMPARE(m_store.CurrentPlayer, int16_t{3});
        QCOMPARE(m_opened.size(), std::size_t{2});
        auto* again = qobject_cast<TrendChartWindow*>(m_opened[1].data());
        QVERIFY(again);
        QSignalSpy closed(again, &TrendChartWindow::closed);
        click(again, "Donebutton");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_store.CurrentPlayer, int16_t{0});
    }

    void trendPrintsAfterOkOnly() {
        m_store.CurrentPlayer = 3;
        TrendChartWindow trend(m_store, *m_services, adopter());
        m_dialogs->answerMessage(Answer::Cancel);
        click(&trend, "Printbutton");
        QVERIFY(m_printer->calls.empty());
        QCOMPARE(m_dialogs->calls.back().text, std::string("Ready to send chart to Printer"));

        m_dialogs->answerMessage(Answer::Ok);
        click(&trend, "Printbutton");
        QCOMPARE(m_printer->count("endDoc"), 1);
        QCOMPARE(m_printer->count("drawPicture " + std::to_string(trend.canvas().items().size()) +
                                  " 540 1440 9818.18 5760"),
                 1);
        QVERIFY(m_printer->text().find("Current Hcp. Index = 8.1") != std::string::npos);
    }

    void pieWithoutHoleScoresKeepsItsPanelTexts() {
        m_store.CurrentPlayer = 4; // Dee: no rounds
        PieChartWindow pie(m_store, *m_services, adopter());
        QCOMPARE(text(&pie, "totalholeslabel"), QString("# of scores recorded = 0"));
        QVERIFY(pie.canvas().items().empty());
        QSignalSpy closed(&pie, &PieChartWindow::closed);
        click(&pie, "closebutton");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_store.CurrentPlayer, int16_t{0});
    }

    void compareListsPlayersWithRoundsAndPrints() {
        CompareChartWindow compare(m_store, *m_services);
        auto* list = compare.findChild<QListWidget*>("List1");
        QCOMPARE(list->count(), 2); // Dee has no rounds
        QVERIFY(list->item(0)->text().startsWith(" Cy "));
        QVERIFY(list->item(1)->text().startsWith(" Ann "));
        QCOMPARE(list->item(1)->text().indexOf('*') + 1, 29 + 12);

        m_dialogs->answerMessage(Answer::Cancel);
        click(&compare, "Command3d1");
        QVERIFY(m_printer->calls.empty());
        m_dialogs->answerMessage(Answer::Ok);
        click(&compare, "Command3d1");
        QCOMPARE(m_dialogs->calls.back().text, std::string("Ready to send List to the Printer."));
        QVERIFY(m_printer->text().find("     " + list->item(1)->text().toStdString() + "\n") !=
                std::string::npos);
    }

    void cardWindowOpensWithTheSettingsAndToday() {
        m_store.settings.CardHOffset = -40;
        HandicapCardWindow cards(m_store, *m_services);
        QCOMPARE(cards.findChild<QLineEdit*>("hoffsettext")->text(), QString("-40"));
        QCOMPARE(cards.findChild<QLineEdit*>("pscalingtext")->text(), QString("1.000"));
        QCOMPARE(cards.findChild<QLineEdit*>("Text1")->text(), QString("06-05-2007"));
        click(&cards, "selectallbutton");
        QTRY_COMPARE_WITH_TIMEOUT(text(&cards, "printcountlabel"), QString("Cards to Print :  3"), 2500);
        click(&cards, "Command1");
        QTRY_COMPARE_WITH_TIMEOUT(text(&cards, "printcountlabel"), QString("Cards to Print :  0"), 2500);
    }

    void cardsPrintForTheSelectedEntrysSlot() {
        HandicapCardWindow cards(m_store, *m_services);
        select(cards.findChild<QListWidget*>("List1"), "Cy"); // list position 2, slot 3
        cards.findChild<QLineEdit*>("Text1")->setText("Spring league");
        m_dialogs->answerMessage(Answer::Ok);
        click(&cards, "PrintButton");
        std::vector<std::vector<std::string>> pages = m_printer->pages();
        QCOMPARE(pages.size(), std::size_t{1});
        QCOMPARE(pages[0][1], std::string("Cy"));
        QCOMPARE(pages[0][3], std::string("  Hcp Index: 8.1"));
        QCOMPARE(pages[0][5], std::string("PH CHCP: 8"));
        QCOMPARE(pages[0][7], std::string("  PH75  "));
        QCOMPARE(pages[0][15], std::string("Spring league"));
    }

    void closingTheCardWindowWritesTheOffsetsAndScaling() {
        auto cards = std::make_unique<HandicapCardWindow>(m_store, *m_services);
        QSignalSpy closed(cards.get(), &HandicapCardWindow::closed);
        cards->findChild<QLineEdit*>("hoffsettext")->setText("120");
        cards->findChild<QLineEdit*>("WDOffSetText")->setText("-35.5");
        cards->findChild<QLineEdit*>("pscalingtext")->setText("1.05");
        click(cards.get(), "donebutton");
        QCOMPARE(closed.count(), 1);
        const auto lines = fileLines(readFile(m_dir / "config" / SettingsFileName));
        QCOMPARE(lines.size(), std::size_t{13});
        QCOMPARE(lines[10], std::string(" 120 "));
        QCOMPARE(lines[11], std::string("-35.5 "));
        QCOMPARE(lines[12], std::string(" 1.05 "));
    }
};

QTEST_MAIN(Stoppable<ChartWindowsTest>)
#include "ChartWindowsTest.moc"
