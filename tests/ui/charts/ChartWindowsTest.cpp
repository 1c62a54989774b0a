// The chart windows and the card window, driven as a user drives them: the
// chooser, the trend graph and pie chart and the switch between them, the
// comparison list, and the handicap cards with their settings.
#include "charts/ChartChooserWindow.h"
#include "charts/CompareChartWindow.h"
#include "charts/HandicapCardWindow.h"
#include "charts/PieChartWindow.h"
#include "charts/TrendChartWindow.h"
#include "core/Samples.h"
#include "fakes/ListText.h"
#include "fakes/MainWindowRig.h"
#include "store/SettingsFile.h"

#include <QSignalSpy>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

void select(QListWidget* list, const QString& name) {
    QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    found.front()->setSelected(true);
}

} // namespace

class ChartWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    std::vector<QPointer<QWidget>> m_opened; // chart windows handed to the adopter

    ChartAdopter adopter() {
        return [this](QWidget* w) { m_opened.emplace_back(w); };
    }
    // The one chart window the adopter was given last, of that kind.
    template <class W> W* adopted(std::size_t count) {
        if (m_opened.size() != count) qWarning("%zu chart windows opened", m_opened.size());
        return m_opened.size() == count ? qobject_cast<W*>(m_opened.back().data()) : nullptr;
    }

  private slots:
    // League "Club": Ann (slot 1), an empty slot 2, Cy (slot 3) with rounds on "PH", Dee (slot 4) without.
    void init() {
        makeFolder();
        makeServices(Date{6, 5, 2007});
        m_store = std::make_unique<Store>();
        m_store->workDir = m_dir;
        m_store->settingsDir = m_dir / "config";
        m_store->settings.FontName = "Courier New";
        m_store->league.LeagueFilePath = "Club.LGE";
        setChartCourse(*m_store, 1, std::vector<int>(18, 4), "PH");
        int ann = addSamplePlayer(*m_store, "Ann");
        addSamplePlayer(*m_store, "");
        int cy = addSamplePlayer(*m_store, "Cy");
        addSamplePlayer(*m_store, "Dee");
        setHoleScores(addChartRound(*m_store, ann, 14.2f, 12.0f), {4, 5, 5, 4, 6, 4, 5, 4, 4});
        for (float diff : {10.0f, 8.4f, 9.1f})
            setHoleScores(addChartRound(*m_store, cy, diff, diff - 1.0f),
                          {4, 4, 3, 4, 5, 4, 4, 4, 4, 4, 4, 4, 5, 4, 4, 4, 4, 6});
        m_opened.clear();
    }
    void cleanup() {
        for (QPointer<QWidget>& w : m_opened)
            delete w.data();
        finish();
    }

    // The chooser opens the chart of its kind for the chosen entry's slot.
    void chooserOpensTheChartOfTheChosenEntrysSlot() {
        m_store->ChartKind = "line";
        ChartChooserWindow chooser(*m_store, *m_services, adopter());
        QSignalSpy closed(&chooser, &ChartChooserWindow::closed);
        auto* list = child<QListWidget>(&chooser, "List1");
        QCOMPARE(items(list), (QStringList{"Ann", "Cy", "Dee"}));
        select(list, "Cy"); // list position 2, slot 3
        click(&chooser, "acceptbutton");
        QCOMPARE(closed.count(), 1);
        auto* trend = adopted<TrendChartWindow>(1);
        QVERIFY(trend);
        QCOMPARE(text(trend, "Lab3"), QString("Cy"));
        QCOMPARE(text(trend, "Lab2_4"), QString("Current Hcp. Index = 8.1"));
    }

    void chooserWithPieKindOpensThePieChartOnADoubleClick() {
        m_store->ChartKind = "pie";
        ChartChooserWindow chooser(*m_store, *m_services, adopter());
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        auto* list = child<QListWidget>(&chooser, "List1");
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        auto* pie = adopted<PieChartWindow>(1);
        QVERIFY(pie);
        QCOMPARE(text(pie, "Namelabel"), QString("Ann"));
        QCOMPARE(text(pie, "totalholeslabel"), QString("# of scores recorded = 9"));
    }

    void trendSwitchesToThePieAndBackKeepingThePlayer() {
        m_store->CurrentPlayer = 3;
        auto* trend = new TrendChartWindow(*m_store, *m_services, adopter());
        trend->setAttribute(Qt::WA_DeleteOnClose);
        trend->show();
        closeWith(trend, "Command3d1");
        auto* pie = adopted<PieChartWindow>(1);
        QVERIFY(pie);
        QCOMPARE(text(pie, "Namelabel"), QString("Cy"));
        click(pie, "Command3d1");
        auto* again = adopted<TrendChartWindow>(2);
        QVERIFY(again);
        QCOMPARE(text(again, "Lab3"), QString("Cy"));
        QSignalSpy closed(again, &TrendChartWindow::closed);
        click(again, "Donebutton");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_store->CurrentPlayer, int16_t{0});
    }

    // The chart and the comparison list print after Ok only.
    void printingAsksFirst() {
        m_store->CurrentPlayer = 3;
        TrendChartWindow trend(*m_store, *m_services, adopter());
        CompareChartWindow compare(*m_store, *m_services);
        auto* list = child<QListWidget>(&compare, "List1");
        QCOMPARE(list->count(), 2); // Dee has no rounds
        QVERIFY(list->item(0)->text().startsWith(" Cy "));
        const struct {
            QWidget* window;
            const char* button;
            std::string question, printed;
        } printing[] = {
            {&trend, "Printbutton", "Ready to send chart to Printer", "Current Hcp. Index = 8.1"},
            {&compare, "Command3d1", "Ready to send List to the Printer.",
             "     " + list->item(1)->text().toStdString() + "\n"},
        };
        for (const auto& p : printing) {
            *m_printer = RecordingPrinter{};
            m_dialogs->answerMessage(Answer::Cancel);
            click(p.window, p.button);
            QCOMPARE(lastCall().text, p.question);
            QVERIFY(m_printer->calls.empty());
            m_dialogs->answerMessage(Answer::Ok);
            click(p.window, p.button);
            QCOMPARE(m_printer->count("endDoc"), 1);
            QVERIFY(m_printer->text().find(p.printed) != std::string::npos);
        }
    }

    void cardWindowSelectsPrintsAndKeepsItsSettings() {
        m_store->settings.CardHOffset = -40;
        auto cards = std::make_unique<HandicapCardWindow>(*m_store, *m_services);
        QCOMPARE(text(cards.get(), "hoffsettext"), QString("-40"));
        QCOMPARE(text(cards.get(), "Text1"), QString("06-05-2007"));
        click(cards.get(), "selectallbutton");
        QTRY_COMPARE_WITH_TIMEOUT(text(cards.get(), "printcountlabel"), QString("Cards to Print :  3"), 2500);
        click(cards.get(), "Command1");
        QTRY_COMPARE_WITH_TIMEOUT(text(cards.get(), "printcountlabel"), QString("Cards to Print :  0"), 2500);

        select(child<QListWidget>(cards.get(), "List1"), "Cy"); // list position 2, slot 3
        child<QLineEdit>(cards.get(), "Text1")->setText("Spring league");
        m_dialogs->answerMessage(Answer::Ok);
        click(cards.get(), "PrintButton");
        std::vector<std::vector<std::string>> pages = m_printer->pages();
        QCOMPARE(pages.size(), std::size_t{1});
        QCOMPARE(pages[0][1], std::string("Cy"));
        QCOMPARE(pages[0][3], std::string("  Hcp Index: 8.1"));
        QCOMPARE(pages[0][5], std::string("PH CHCP: 8"));
        QCOMPARE(pages[0][15], std::string("Spring league"));

        // Closing writes the offsets and the scaling.
        child<QLineEdit>(cards.get(), "hoffsettext")->setText("120");
        child<QLineEdit>(cards.get(), "WDOffSetText")->setText("-35.5");
        child<QLineEdit>(cards.get(), "pscalingtext")->setText("1.05");
        QSignalSpy closed(cards.get(), &HandicapCardWindow::closed);
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
