// The handicap worksheet window, opened from the main window's menu: it shows
// the core's worksheet for the date chosen, prints it through the report
// printer and copies its text.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "handicap/RoundRecorder.h"
#include "main/MainWindow.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/Worksheet.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>

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

class WorksheetWindowTest : public QObject {
    Q_OBJECT

  private:
    // League "Friday": Ann with three rounds recorded as score entry records them, and Bob.
    void makeFolder() {
        m_dir = caseFolder("worksheet");
        writeFile(m_dir / "vexa.dat", " 1 \nFriday\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        Store files = sampleStore();
        files.workDir = m_dir;
        files.league.LeagueFilePath = "Friday.LGE";
        int ann = addSamplePlayer(files, "Ann Able", MensTee);
        addSamplePlayer(files, "Bob Baker", LadiesTee);
        RoundRecorder recorder(files);
        int day = 4;
        for (auto [out, in] : {std::pair{45, 44}, std::pair{47, 46}, std::pair{43, 44}}) {
            files.CurrentPlayer = static_cast<int16_t>(ann);
            files.CurrentCourse = 1;
            files.EntryMonth = 6;
            files.EntryDay = static_cast<int16_t>(day);
            files.EntryYear = 24;
            day += 7;
            QCOMPARE(recorder.record(totalScores(out, in), MensTee).outcome, RecordOutcome::Recorded);
        }
        QVERIFY(!SaveCourseFile(files));
        QVERIFY(!SaveLeagueFile(files));
        m_expected = files;
    }

    template <class T> T* child(QWidget& parent, const char* name) {
        stopAfterUnexpectedDialog();
        T* found = parent.findChild<T*>(name);
        if (!found) qWarning("no child %s", name);
        return found;
    }
    QWidget* worksheetWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Worksheetform") return w;
        return nullptr;
    }

    fs::path m_dir;
    Store m_expected;

  private slots:
    void cleanup() { deleteLeftoverWindows(); }

    void fromTheMenuAsOfADatePrintedAndCopied() {
        makeFolder();
        Store store;
        store.workDir = m_dir;
        store.settingsDir = m_dir / "config";
        FakeDialogs dialogs(failAtUnexpectedDialog);
        RecordingPrinter printer;
        FixedClock clock(Today);
        UiServices services{dialogs, printer, clock, nullptr};
        MainWindow main(store, services);
        main.load(QRect(0, 0, 1024, 768), 1024);
        QVERIFY(!child<QAction>(main, "worksheetmenu")->isEnabled());
        child<QAction>(main, "leaguesmenu0")->trigger();
        child<QAction>(main, "worksheetmenu")->trigger();
        QWidget* window = worksheetWindow();
        QVERIFY(window);
        QVERIFY(!main.isEnabled());

        auto* text = child<QPlainTextEdit>(*window, "Worksheettext");
        QCOMPARE(child<QComboBox>(*window, "Playercombo")->currentText(), QString("Ann Able"));
        QCOMPARE(text->toPlainText(), joined(worksheetLines(buildWorksheet(m_expected, 1, Today))));
        QVERIFY(text->toPlainText().contains("\nHandicap index: 13.7\n"));

        // Between the second and the third round, then before the first.
        auto* date = child<QDateEdit>(*window, "Asofdate");
        date->setDate(QDate(2024, 6, 12));
        QCOMPARE(text->toPlainText(), joined(worksheetLines(buildWorksheet(m_expected, 1, {6, 12, 2024}))));
        QVERIFY(text->toPlainText().contains("\nHandicap index: 15.4\n"));
        date->setDate(QDate(2024, 6, 1));
        QVERIFY(text->toPlainText().contains("No round of Ann Able on or before 06/01/2024 is held."));
        date->setDate(QDate(2024, 6, 12));

        child<QPushButton>(*window, "Printbutton")->click();
        QCOMPARE(printer.count("endDoc"), 1);
        auto pages = printer.pages();
        QCOMPARE(pages.size(), std::size_t{1});
        QVERIFY(std::find(pages[0].begin(), pages[0].end(), "Handicap index: 15.4") != pages[0].end());
        QCOMPARE(printer.documentName, std::string("Handicap worksheets"));

        child<QPushButton>(*window, "Copybutton")->click();
        QCOMPARE(QApplication::clipboard()->text(), text->toPlainText());

        child<QComboBox>(*window, "Playercombo")->setCurrentIndex(1);
        QVERIFY(text->toPlainText().startsWith("Handicap Worksheet: Bob Baker, as of 06/12/2024\n"));
        child<QPushButton>(*window, "Donebutton")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isEnabled());
    }
};

QTEST_MAIN(Stoppable<WorksheetWindowTest>)
#include "WorksheetWindowTest.moc"
