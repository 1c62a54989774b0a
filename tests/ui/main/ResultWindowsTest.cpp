// Results of a Date, Export as CSV and the worksheet show, print and write what the core gives.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "handicap/RoundRecorder.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"
#include "views/Worksheet.h"

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tallyrock;
using namespace tallyrock::test;

namespace {

const Date Today{7, 4, 2024};

QString sheetText(const Store& store, const std::string& date) {
    return qlist(nightSheetLines(store, nightResultsOf(store, date).sheet, Today)).join('\n');
}

} // namespace

class ResultWindowsTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    // League Friday, the only one listed, of these tables, opened in the main window.
    void openFriday(Store files) {
        writeFile(m_dir / "vexa.dat", " 1 \nFriday\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        files.workDir = m_dir;
        files.league.LeagueFilePath = "Friday.LGE";
        QVERIFY(!SaveCourseFile(files) && !SaveLeagueFile(files));
        startMain(Today);
        openLeague("leaguesmenu0", "Friday");
    }
    // Friday with rounds on three dates, nine-hole rounds among them.
    void openFriday() {
        makeFolder();
        Store files;
        setCourse(files, 1, "Pine Creek Club", "PCC");
        int ann = addSamplePlayer(files, "Smith, Ann");
        int bob = addSamplePlayer(files, "Bob Baker");
        addRounds(files, ann, {{6, 1, 6, 1, 44, 45, 12.3f, 12}, {7, 3, 6, 1, 45, 0, 11.8f, 12}});
        addRounds(
            files, bob,
            {{6, 1, 6, 1, 40, 41, 5.0f, 5}, {7, 3, 6, 1, 40, 0, 5.2f, 5}, {7, 17, 6, 1, 42, 42, 5.1f, 5}});
        openFriday(files);
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

    void worksheetAsOfADatePrintedAndCopied() {
        makeFolder();
        Store files = sampleStore();
        files.CurrentPlayer = static_cast<int16_t>(addSamplePlayer(files, "Ann Able", MensTee));
        addSamplePlayer(files, "Bob Baker", LadiesTee);
        files.CurrentCourse = 1;
        files.EntryMonth = 6;
        files.EntryYear = 24;
        for (auto [day, out, in] : {std::tuple{4, 45, 44}, std::tuple{11, 47, 46}, std::tuple{18, 43, 44}}) {
            files.EntryDay = static_cast<int16_t>(day);
            QCOMPARE(RoundRecorder(files).record(totalScores(out, in), MensTee).outcome,
                     RecordOutcome::Recorded);
        }
        openFriday(files);
        QWidget* window = open("worksheetmenu", "Worksheetform");
        auto* text = child<QPlainTextEdit>(window, "Worksheettext");
        QCOMPARE(child<QComboBox>(window, "Playercombo")->currentText(), QString("Ann Able"));
        QCOMPARE(text->toPlainText(),
                 qlist(worksheetLines(buildWorksheet(files, 1, Today))).join('\n') + '\n');
        // As of a date between the second and the third round (the core checks the as-of dates).
        child<QDateEdit>(window, "Asofdate")->setDate(QDate(2024, 6, 12));
        QVERIFY(text->toPlainText().contains("\nHandicap index: 15.4\n"));
        click(window, "Printbutton");
        QCOMPARE(m_printer->pages().size(), std::size_t{1});
        QVERIFY(m_printer->text().find("\nHandicap index: 15.4\n") != std::string::npos);
        QCOMPARE(m_printer->documentName, std::string("Handicap worksheets"));
        click(window, "Copybutton");
        QCOMPARE(QApplication::clipboard()->text(), text->toPlainText());

        child<QComboBox>(window, "Playercombo")->setCurrentIndex(1);
        QVERIFY(text->toPlainText().startsWith("Handicap Worksheet: Bob Baker, as of 06/12/2024\n"));
        closeWith(window, "Donebutton");
    }
};

QTEST_MAIN(Stoppable<ResultWindowsTest>)
#include "ResultWindowsTest.moc"
