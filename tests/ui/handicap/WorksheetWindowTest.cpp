// The handicap worksheet window, opened from the main window's menu: it shows
// the core's worksheet for the date chosen, prints it through the report
// printer and copies its text.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "handicap/RoundRecorder.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/Worksheet.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

const Date Today{7, 4, 2024};

QString joined(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line) + "\n";
    return text;
}

} // namespace

class WorksheetWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private slots:
    void cleanup() { finish(); }

    // League "Friday": Ann with three rounds recorded as score entry records them, and Bob.
    void fromTheMenuAsOfADatePrintedAndCopied() {
        makeFolder();
        writeFile(m_dir / "vexa.dat", " 1 \nFriday\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        Store files = sampleStore();
        files.workDir = m_dir;
        files.league.LeagueFilePath = "Friday.LGE";
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
        QVERIFY(!SaveCourseFile(files));
        QVERIFY(!SaveLeagueFile(files));

        startMain(Today);
        openLeague("leaguesmenu0", "Friday");
        QWidget* window = open("worksheetmenu", "Worksheetform");
        auto* text = child<QPlainTextEdit>(window, "Worksheettext");
        QCOMPARE(child<QComboBox>(window, "Playercombo")->currentText(), QString("Ann Able"));
        QCOMPARE(text->toPlainText(), joined(worksheetLines(buildWorksheet(files, 1, Today))));
        // Between the second and the third round, then before the first.
        auto* date = child<QDateEdit>(window, "Asofdate");
        date->setDate(QDate(2024, 6, 12));
        QVERIFY(text->toPlainText().contains("\nHandicap index: 15.4\n"));
        date->setDate(QDate(2024, 6, 1));
        QVERIFY(text->toPlainText().contains("No round of Ann Able on or before 06/01/2024 is held."));
        date->setDate(QDate(2024, 6, 12));

        click(window, "Printbutton");
        auto pages = m_printer->pages();
        QCOMPARE(pages.size(), std::size_t{1});
        QVERIFY(std::find(pages[0].begin(), pages[0].end(), "Handicap index: 15.4") != pages[0].end());
        QCOMPARE(m_printer->documentName, std::string("Handicap worksheets"));
        click(window, "Copybutton");
        QCOMPARE(QApplication::clipboard()->text(), text->toPlainText());

        child<QComboBox>(window, "Playercombo")->setCurrentIndex(1);
        QVERIFY(text->toPlainText().startsWith("Handicap Worksheet: Bob Baker, as of 06/12/2024\n"));
        closeWith(window, "Donebutton");
    }
};

QTEST_MAIN(Stoppable<WorksheetWindowTest>)
#include "WorksheetWindowTest.moc"
