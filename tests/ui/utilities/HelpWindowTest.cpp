// The help window: topics from its menu, from the contents list and from
// ShowHelpTopic, printing, closing, and use beside a modal window.
#include "utilities/HelpWindow.h"
#include "fakes/MainWindowRig.h"

#include <QPrinter>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

// Every topic: its heading, its "Go to Topic" item (if any) and its line in the
// contents list (if any; Listed: the heading itself).
constexpr const char* Listed = "";
struct TopicRow {
    HelpTopic topic;
    const char* heading;
    const char* menu;
    const char* entry;
};
const TopicRow Topics[] = {
    {HelpTopic::Contents, "Tallyrock", "ContentsMenu", nullptr},
    {HelpTopic::Purpose, "Purpose & Intent of this Program", "PurposeMenu", Listed},
    {HelpTopic::GettingStarted, "Getting Started", "GettingStartedMenu", Listed},
    {HelpTopic::QuickStart, "Quick Start Basics", nullptr, nullptr},
    {HelpTopic::PlayersNeeds, "What Players Need to Do", nullptr, "What Players need to do…"},
    {HelpTopic::Definitions, "Necessary Definitions", "DefinitionsMenu", Listed},
    {HelpTopic::CreatingLeague, "Creating a League File", "CreatingMenu", Listed},
    {HelpTopic::AddingPlayers, "Adding Players", "AddingPlayersMenu", Listed},
    {HelpTopic::Courses, "Adding or Editing Courses", "CoursesMenu", Listed},
    {HelpTopic::EnteringScores, "Entering Scores", "EnterScoresMenu", Listed},
    {HelpTopic::Viewing, "Viewing the Information", "ViewMenu", Listed},
    {HelpTopic::Printing, "Listings, Printing and Export", "PrintingMenu", Listed},
    {HelpTopic::CorrectingRound, "Edit / Correct a Round", "EditRoundMenu", Listed},
    {HelpTopic::ProgramSettings, "Program Settings and Handicap Methods", "SettingsMenu", Listed},
    {HelpTopic::PrinterFont, "Printer Font", nullptr, nullptr},
    {HelpTopic::TeamRecords, "Team Record Keeping", "TeamMenu", Listed},
    {HelpTopic::Charts, "Charts and Trends", "ChartsMenu", Listed},
    {HelpTopic::HandicapCards, "Handicap Cards", "CardsMenu", Listed},
    {HelpTopic::BackupRestore, "Backup and Restore", "BackupMenu", Listed},
    {HelpTopic::DataFiles, "Your Data Files and Where They Live", "DataFilesMenu", Listed},
    {HelpTopic::CommandLine, "The Command-Line Tool", "CommandLineMenu", Listed},
    {HelpTopic::OfficialHandicaps, "About Official Handicaps", "OfficialHandicapsMenu", Listed},
    {HelpTopic::CourseHandicap, "Course Handicap Calculation", "CourseHandicapMenu", Listed},
    {HelpTopic::NineHoleRounds, "Nine Hole Rounds", "NineHoleMenu", Listed},
    {HelpTopic::Toolbar, "ToolBar Operation", "ToolbarMenu", Listed},
    {HelpTopic::Tips, "Time-Saving Tips", nullptr, nullptr},
};

// The first block with this text: a heading, or a plain line such as a contents entry.
QTextBlock findBlock(QTextBrowser* view, const QString& text, bool heading) {
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
        if (b.text() == text && (b.blockFormat().headingLevel() > 0) == heading) return b;
    return {};
}

int pageCount(const fs::path& pdf) {
    const std::string s = readFile(pdf);
    int pages = 0;
    for (std::size_t i = s.find("/Type /Page"); i != std::string::npos; i = s.find("/Type /Page", i + 1))
        if (s.compare(i, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

} // namespace

class HelpWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    QTextBrowser* view() {
        stopAfterUnexpectedDialog();
        return m_help->window()->textView();
    }

    // The topic's heading is the first line of the text, and the caret sits on it.
    void verifyHeadingAtTop(const char* title) {
        QString heading = QString::fromUtf8(title);
        QTextBlock block = findBlock(view(), heading, true);
        QVERIFY2(block.isValid(), qPrintable("no heading " + heading));
        int top = view()->cursorRect(QTextCursor(block)).top();
        QVERIFY2(top >= 0 && top <= 8, qPrintable(heading + " is at " + QString::number(top)));
        QCOMPARE(view()->textCursor().block().text(), heading);
        QVERIFY(!view()->textCursor().hasSelection());
    }

    // A click as the window system delivers it, so a modal window's blocking applies.
    void clickOnScreen(const QPoint& point) {
        QWindow* window = m_help->window()->windowHandle();
        QVERIFY(window);
        QTest::mouseClick(window, Qt::LeftButton, {},
                          window->mapFromGlobal(view()->viewport()->mapToGlobal(point)));
    }

    std::unique_ptr<HelpLauncher> m_help;
    // What the print dialog was asked, and what it answers.
    std::vector<bool> m_printAsked;
    bool m_printAccepted = true;
    fs::path m_pdf;

  private slots:
    void init() {
        makeFolder();
        makeServices(Date{7, 4, 2024});
        m_printAsked.clear();
        m_printAccepted = true;
        m_pdf = m_dir / "help.pdf";
        m_help =
            std::make_unique<HelpLauncher>(*m_dialogs, [this](QPrinter& printer, bool selection, QWidget*) {
                m_printAsked.push_back(selection);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(QString::fromStdString(m_pdf.string()));
                return m_printAccepted;
            });
        m_help->ShowHelpTopic(HelpTopic::Contents);
        QVERIFY(m_help->window());
    }

    void cleanup() {
        m_help.reset();
        finish();
    }

    void everyTopic_data() {
        QTest::addColumn<int>("row");
        QCOMPARE(std::size(Topics), std::size(AllHelpTopics));
        for (int row = 0; row < static_cast<int>(std::size(Topics)); ++row)
            QTest::newRow(Topics[row].heading) << row;
    }

    // Each topic comes to the top from ShowHelpTopic (the table other windows'
    // information buttons rely on) back from the end, and forward from the
    // contents by its "Go to Topic" item and by a click on its contents entry,
    // on the words and to the right of them.
    void everyTopic() {
        QFETCH(int, row);
        const TopicRow& topic = Topics[row];
        m_help->ShowHelpTopic(HelpTopic::Tips);
        m_help->ShowHelpTopic(topic.topic);
        verifyHeadingAtTop(topic.heading);
        if (topic.menu) {
            m_help->ShowHelpTopic(HelpTopic::Contents);
            child<QAction>(m_help->window(), topic.menu)->trigger();
            verifyHeadingAtTop(topic.heading);
        }
        if (!topic.entry) return;
        QString text = QString::fromUtf8(*topic.entry ? topic.entry : topic.heading);
        for (bool pastTheWords : {false, true}) {
            m_help->ShowHelpTopic(HelpTopic::Contents);
            QTextBlock line = findBlock(view(), text, false);
            QVERIFY2(line.isValid(), qPrintable(text));
            QTextCursor inside(line);
            inside.setPosition(line.position() + 2);
            QPoint point = view()->cursorRect(inside).center();
            if (pastTheWords) point.setX(view()->viewport()->width() - 20);
            QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, point);
            verifyHeadingAtTop(topic.heading);
        }
    }

    // "Print Selected Area" prints the selection and only beeps without one;
    // "Print Entire Instruction" prints the whole text, and a cancel nothing.
    void printingPrintsTheSelectionOrTheWhole() {
        m_help->window()->findChild<QAction*>("PrintSelectedMenu")->trigger();
        QCOMPARE(m_dialogs->beeps, 1);
        QVERIFY(m_printAsked.empty());
        QTextBlock heading = findBlock(view(), "Nine Hole Rounds", true);
        QTextCursor selection(heading);
        selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        view()->setTextCursor(selection);

        m_help->window()->findChild<QAction*>("PrintSelectedMenu")->trigger();
        QCOMPARE(m_printAsked, std::vector<bool>{true});
        QCOMPARE(pageCount(m_pdf), 1);

        fs::remove(m_pdf);
        view()->setTextCursor(QTextCursor(view()->document()));
        m_printAccepted = false;
        m_help->window()->findChild<QAction*>("PrintEntireMenu")->trigger();
        QVERIFY(!fs::exists(m_pdf));
        m_printAccepted = true;
        m_help->window()->findChild<QAction*>("PrintEntireMenu")->trigger();
        QVERIFY(pageCount(m_pdf) > 5);
    }

    void closeMenusCloseAndTheNextTopicOpensItAgain() {
        for (const char* item : {"CloseHelpMenu", "ExitMenu"}) {
            HelpWindow* window = m_help->window();
            QSignalSpy closed(window, &HelpWindow::closed);
            window->findChild<QAction*>(item)->trigger();
            QCOMPARE(closed.count(), 1);
            QTRY_VERIFY(!m_help->window());
            m_help->ShowHelpTopic(HelpTopic::BackupRestore);
            QVERIFY(m_help->window());
            verifyHeadingAtTop("Backup and Restore");
        }
    }

    // A window that blocks the rest of the program must not block the help it opens.
    void staysUsableBesideAModalWindow() {
        QWidget modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
        m_help->ShowHelpTopic(HelpTopic::Contents);
        QVERIFY(QTest::qWaitForWindowExposed(m_help->window()));

        QTextBlock line = findBlock(view(), "Team Record Keeping", false);
        clickOnScreen(view()->cursorRect(QTextCursor(line)).center() + QPoint(10, 0));
        verifyHeadingAtTop("Team Record Keeping");

        // When the modal window goes, the help window stays open where it was.
        HelpWindow* window = m_help->window();
        modal.close();
        QCOMPARE(m_help->window(), window);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(Stoppable<HelpWindowTest>)
#include "HelpWindowTest.moc"
