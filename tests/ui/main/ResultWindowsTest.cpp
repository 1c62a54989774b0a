// Results of a Date and Export as CSV, opened from the main window's menus
// and driven through their widgets: they show, print and write what the core
// gives for the open league.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/MainWindowRig.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "main/MainWindow.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
        static int serial = 0;
        m_dir = caseFolder("case" + std::to_string(++serial));
        writeFile(m_dir / "vexa.dat", " 1 \nFriday\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        Store files;
        files.workDir = m_dir;
        setCourse(files, 1, "Pine Creek Club", "PCC");
        QVERIFY(!SaveCourseFile(files));
        files.league.LeagueFilePath = "Friday.LGE";
        int ann = addSamplePlayer(files, "Smith, Ann");
        int bob = addSamplePlayer(files, "Bob Baker");
        addRound(files, ann, RoundSample{6, 1, 6, 1, 44, 45, 12.3f, 12});
        addRound(files, ann, RoundSample{7, 3, 6, 1, 45, 0, 11.8f, 12});
        addRound(files, bob, RoundSample{6, 1, 6, 1, 40, 41, 5.0f, 5});
        addRound(files, bob, RoundSample{7, 3, 6, 1, 40, 0, 5.2f, 5});
        addRound(files, bob, RoundSample{7, 17, 6, 1, 42, 42, 5.1f, 5});
        QVERIFY(!SaveLeagueFile(files));

        makeMainWindow(m_dir / "config", Today);
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        for (const char* item : {"nightmenu", "csvexportmenu"})
            QVERIFY(!m_window->findChild<QAction*>(item)->isEnabled());
        m_window->findChild<QAction*>("leaguesmenu0")->trigger();
        QCOMPARE(m_window->messagePanelText(), QString("Current League - Friday"));
    }

    // The window the menu item opens.
    QWidget* open(const char* item, const char* window) {
        stopAfterUnexpectedDialog();
        QAction* action = m_window->findChild<QAction*>(item);
        if (!action || !action->isEnabled()) throw StopTest{};
        action->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == window && w->isVisible()) return w;
        qWarning("no window %s", window);
        throw StopTest{};
    }
    template <class T> T* child(QWidget* window, const char* name) {
        stopAfterUnexpectedDialog();
        T* found = window->findChild<T*>(name);
        if (!found) qWarning("no child %s", name);
        return found;
    }
    void type(QWidget* window, const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(window, box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

  private slots:
    void cleanup() {
        if (m_dialogs) QCOMPARE(m_dialogs->pending(), std::size_t{0});
        m_window.reset();
        deleteLeftoverWindows();
    }

    void resultsOfADateShowsAndPrintsTheSheet() {
        openFriday();
        QWidget* window = open("nightmenu", "nightform");
        QCOMPARE(child<QLineEdit>(window, "Datebox")->text(), QString("07/17/06"));
        QCOMPARE(child<QPlainTextEdit>(window, "Sheet")->toPlainText(), sheetText(*m_store, "07/17/06"));

        type(window, "Datebox", "07/03/06");
        QTest::keyClick(child<QLineEdit>(window, "Datebox"), Qt::Key_Return);
        QCOMPARE(child<QPlainTextEdit>(window, "Sheet")->toPlainText(), sheetText(*m_store, "07/03/06"));
        child<QPushButton>(window, "Printbutton")->click();
        TextPrinter expected;
        printNightResults(expected, *m_store, nightResultsOf(*m_store, "07/03/06").sheet, Today);
        QCOMPARE(m_printer->text(), expected.text());

        m_dialogs->answerMessage(Answer::Ok);
        type(window, "Datebox", "07/04/06");
        child<QPushButton>(window, "Showbutton")->click();
        QCOMPARE(m_dialogs->calls.back().text,
                 std::string("No round of this league was played on 07/04/06."));
        QVERIFY(!child<QPushButton>(window, "Printbutton")->isEnabled());
        QVERIFY(child<QPlainTextEdit>(window, "Sheet")->toPlainText().isEmpty());
    }

    void exportAsCsvWritesTheChosenKindButNoDataFile() {
        openFriday();
        QWidget* window = open("csvexportmenu", "csvexportform");
        auto* kinds = child<QComboBox>(window, "Kindbox");
        QVERIFY(!child<QLineEdit>(window, "Datebox")->isVisible());
        kinds->setCurrentIndex(kinds->findText("The results of a date"));
        QVERIFY(child<QLineEdit>(window, "Datebox")->isVisible());
        type(window, "Datebox", "07/03/06");
        m_dialogs->answerSaveFile((m_dir / "night").string());
        child<QPushButton>(window, "Exportbutton")->click();
        QCOMPARE(readFile(m_dir / "night.csv"),
                 csvText(nightCsvRows(nightResultsOf(*m_store, "07/03/06").sheet)));
        QCOMPARE(child<QLabel>(window, "Statuslabel")->text(), QString("2 records written to night.csv"));

        const std::string league = readFile(m_dir / "Friday.LGE");
        kinds->setCurrentIndex(kinds->findText("Every round held (the import's format)"));
        m_dialogs->answerSaveFile((m_dir / "Friday.LGE").string());
        m_dialogs->answerMessage(Answer::Ok);
        child<QPushButton>(window, "Exportbutton")->click();
        QVERIFY(m_dialogs->calls.back().text.find("is one of Tallyrock's data files") != std::string::npos);
        QCOMPARE(readFile(m_dir / "Friday.LGE"), league);
    }
};

QTEST_MAIN(Stoppable<ResultWindowsTest>)
#include "ResultWindowsTest.moc"
