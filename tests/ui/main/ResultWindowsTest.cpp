// Results of a Date and Export as CSV, opened from the main window's menus
// and driven through their widgets: they show, print and write what the core
// gives for the open league.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const Date Today{7, 4, 2024};

QString sheetText(const Store& store, const std::string& date) {
    QStringList lines;
    for (const std::string& line : nightSheetLines(store, nightResultsOf(store, date).sheet, Today))
        lines << QString::fromStdString(line);
    return lines.join('\n');
}

} // namespace

class ResultWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // League Friday (the only one listed) with rounds on three dates, opened in the main window.
    void openFriday() {
        makeFolder();
        writeFile(m_dir / "vexa.dat", " 1 \nFriday\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        Store files = storeIn(m_dir);
        setCourse(files, 1, "Pine Creek Club", "PCC");
        QVERIFY(!SaveCourseFile(files));
        files.league.LeagueFilePath = "Friday.LGE";
        int ann = addSamplePlayer(files, "Smith, Ann");
        int bob = addSamplePlayer(files, "Bob Baker");
        addRounds(files, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 12}, {7, 3, 6, 1, 45, 0, 11.8f, 12}});
        addRounds(
            files, bob,
            {{6, 1, 6, 1, 40, 41, 5.0f, 5}, {7, 3, 6, 1, 40, 0, 5.2f, 5}, {7, 17, 6, 1, 42, 42, 5.1f, 5}});
        QVERIFY(!SaveLeagueFile(files));
        startMain(Today);
        openLeague("leaguesmenu0", "Friday");
    }
    QString sheet(QWidget* window) { return child<QPlainTextEdit>(window, "Sheet")->toPlainText(); }

  private slots:
    void cleanup() { finish(); }

    void resultsOfADateShowsAndPrintsTheSheet() {
        openFriday();
        QWidget* window = open("nightmenu", "nightform");
        QCOMPARE(text(window, "Datebox"), QString("07/17/06"));
        QCOMPARE(sheet(window), sheetText(*m_store, "07/17/06"));
        retype(window, "Datebox", "07/03/06");
        QTest::keyClick(child<QLineEdit>(window, "Datebox"), Qt::Key_Return);
        QCOMPARE(sheet(window), sheetText(*m_store, "07/03/06"));
        click(window, "Printbutton");
        TextPrinter expected;
        printNightResults(expected, *m_store, nightResultsOf(*m_store, "07/03/06").sheet, Today);
        QCOMPARE(m_printer->text(), expected.text());

        m_dialogs->answerMessage(Answer::Ok);
        retype(window, "Datebox", "07/04/06");
        click(window, "Showbutton");
        QCOMPARE(lastCall().text, std::string("No round of this league was played on 07/04/06."));
        QVERIFY(!child<QPushButton>(window, "Printbutton")->isEnabled());
        QVERIFY(sheet(window).isEmpty());
    }

    void exportAsCsvWritesTheChosenKindButNoDataFile() {
        openFriday();
        QWidget* window = open("csvexportmenu", "csvexportform");
        auto* kinds = child<QComboBox>(window, "Kindbox");
        QVERIFY(!child<QLineEdit>(window, "Datebox")->isVisible());
        kinds->setCurrentIndex(kinds->findText("The results of a date"));
        QVERIFY(child<QLineEdit>(window, "Datebox")->isVisible());
        retype(window, "Datebox", "07/03/06");
        m_dialogs->answerSaveFile((m_dir / "night").string());
        click(window, "Exportbutton");
        QCOMPARE(readFile(m_dir / "night.csv"),
                 csvText(nightCsvRows(nightResultsOf(*m_store, "07/03/06").sheet)));
        QCOMPARE(text(window, "Statuslabel"), QString("2 records written to night.csv"));

        const std::string league = readFile(m_dir / "Friday.LGE");
        kinds->setCurrentIndex(kinds->findText("Every round held (the import's format)"));
        m_dialogs->answerSaveFile((m_dir / "Friday.LGE").string());
        m_dialogs->answerMessage(Answer::Ok);
        click(window, "Exportbutton");
        QVERIFY(lastCall().text.find("is one of Tallyrock's data files") != std::string::npos);
        QCOMPARE(readFile(m_dir / "Friday.LGE"), league);
    }
};

QTEST_MAIN(Stoppable<ResultWindowsTest>)
#include "ResultWindowsTest.moc"
