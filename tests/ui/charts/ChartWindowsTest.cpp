// The chart chooser and the card window, driven as a user drives them.
#include "charts/ChartChooserWindow.h"
#include "charts/HandicapCardWindow.h"
#include "charts/PieChartWindow.h"
#include "charts/TrendChartWindow.h"
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "store/SettingsFile.h"

#include <QSignalSpy>

using namespace tallyrock;
using namespace tallyrock::test;

class ChartWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    std::vector<QPointer<QWidget>> m_opened; // chart windows handed to the adopter

    ChartAdopter adopter() {
        return [this](QWidget* w) { m_opened.emplace_back(w); };
    }
    // The one chart window the adopter was given last, of that kind.
    template <class W> W* adopted(std::size_t count) {
        W* chart = m_opened.size() == count ? qobject_cast<W*>(m_opened.back().data()) : nullptr;
        if (!chart) fail(QString("%1 chart windows opened").arg(m_opened.size()));
        return chart;
    }

  private slots:
    // League "Club": Ann (slot 1), an empty slot 2, Cy (slot 3) with rounds on "PH", Dee (slot 4) without.
    void init() {
        makeFolder();
        makeServices(Date{6, 5, 2007});
        m_store = std::make_unique<Store>(storeIn(m_dir, "Club.LGE"));
        m_store->settingsDir = m_dir / "config";
        m_store->settings.FontName = "Courier New";
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

    // Button or double click opens the chart for the chosen entry's slot (Cy: list row 2, slot 3).
    void chooserOpensTheChartOfTheChosenEntrysSlot() {
        for (bool pie : {false, true}) {
            m_store->ChartKind = pie ? "pie" : "line";
            ChartChooserWindow chooser(*m_store, *m_services, adopter());
            activate(&chooser);
            auto* list = child<QListWidget>(&chooser, "List1");
            QCOMPARE(items(list), (QStringList{"Ann", "Cy", "Dee"}));
            if (pie) {
                doubleClickRow(list, 0);
                auto* chart = adopted<PieChartWindow>(2);
                QCOMPARE(text(chart, "Namelabel"), QString("Ann"));
                QCOMPARE(text(chart, "totalholeslabel"), QString("# of scores recorded = 9"));
            } else {
                QSignalSpy closed(&chooser, &ChartChooserWindow::closed);
                list->item(1)->setSelected(true);
                click(&chooser, "acceptbutton");
                QCOMPARE(closed.count(), 1);
                auto* chart = adopted<TrendChartWindow>(1);
                QCOMPARE(text(chart, "Lab3"), QString("Cy"));
                QCOMPARE(text(chart, "Lab2_4"), QString("Current Hcp. Index = 8.1"));
            }
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

        child<QListWidget>(cards.get(), "List1")->item(1)->setSelected(true); // Cy: slot 3
        child<QLineEdit>(cards.get(), "Text1")->setText("Spring league");
        m_dialogs->answerMessage(Answer::Ok);
        click(cards.get(), "PrintButton");
        std::vector<std::vector<std::string>> pages = m_printer->pages();
        QCOMPARE(pages.size(), std::size_t{1});
        QCOMPARE(pages[0][1] + "|" + pages[0][15], std::string("Cy|Spring league"));

        child<QLineEdit>(cards.get(), "hoffsettext")->setText("120");
        child<QLineEdit>(cards.get(), "WDOffSetText")->setText("-35.5");
        child<QLineEdit>(cards.get(), "pscalingtext")->setText("1.05");
        QSignalSpy closed(cards.get(), &HandicapCardWindow::closed);
        click(cards.get(), "donebutton");
        QCOMPARE(closed.count(), 1);
        const auto lines = fileLines(readFile(m_dir / "config" / SettingsFileName));
        QCOMPARE(lines.size(), std::size_t{13});
        QCOMPARE(std::vector(lines.begin() + 10, lines.end()),
                 (std::vector<std::string>{" 120 ", "-35.5 ", " 1.05 "}));
    }
};

QTEST_MAIN(Stoppable<ChartWindowsTest>)
#include "ChartWindowsTest.moc"
