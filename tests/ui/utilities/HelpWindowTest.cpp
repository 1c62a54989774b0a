// The help window: topics from its menu, from the contents list and from
// ShowHelpTopic, printing, closing, and use beside a modal window.
#include "utilities/HelpWindow.h"
#include "fakes/FakeDialogs.h"
#include "utilities/HelpLauncher.h"

#include <QAction>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(tallyrock::HelpTopic)

namespace {

struct TopicHeading {
    HelpTopic topic;
    const char* heading;
};

// The heading every topic opens at.
const TopicHeading Headings[] = {
    {HelpTopic::Contents, "Tallyrock"},
    {HelpTopic::Purpose, "Purpose & Intent of this Program"},
    {HelpTopic::GettingStarted, "Getting Started"},
    {HelpTopic::QuickStart, "Quick Start Basics"},
    {HelpTopic::PlayersNeeds, "What Players Need to Do"},
    {HelpTopic::Definitions, "Necessary Definitions"},
    {HelpTopic::CreatingLeague, "Creating a League File"},
    {HelpTopic::AddingPlayers, "Adding Players"},
    {HelpTopic::Courses, "Adding or Editing Courses"},
    {HelpTopic::EnteringScores, "Entering Scores"},
    {HelpTopic::Viewing, "Viewing the Information"},
    {HelpTopic::Printing, "Listings, Printing and Export"},
    {HelpTopic::CorrectingRound, "Edit / Correct a Round"},
    {HelpTopic::ProgramSettings, "Program Settings and Handicap Methods"},
    {HelpTopic::PrinterFont, "Printer Font"},
    {HelpTopic::TeamRecords, "Team Record Keeping"},
    {HelpTopic::Charts, "Charts and Trends"},
    {HelpTopic::HandicapCards, "Handicap Cards"},
    {HelpTopic::BackupRestore, "Backup and Restore"},
    {HelpTopic::DataFiles, "Your Data Files and Where They Live"},
    {HelpTopic::CommandLine, "The Command-Line Tool"},
    {HelpTopic::OfficialHandicaps, "About Official Handicaps"},
    {HelpTopic::CourseHandicap, "Course Handicap Calculation"},
    {HelpTopic::NineHoleRounds, "Nine Hole Rounds"},
    {HelpTopic::Toolbar, "ToolBar Operation"},
    {HelpTopic::Tips, "Time-Saving Tips"},
};

const char* headingOf(HelpTopic topic) {
    for (const TopicHeading& h : Headings)
        if (h.topic == topic) return h.heading;
    return "";
}

// "Go to Topic" items and the heading each brings up.
const std::pair<const char*, HelpTopic> MenuItems[] = {
    {"ContentsMenu", HelpTopic::Contents},
    {"PurposeMenu", HelpTopic::Purpose},
    {"GettingStartedMenu", HelpTopic::GettingStarted},
    {"DefinitionsMenu", HelpTopic::Definitions},
    {"CreatingMenu", HelpTopic::CreatingLeague},
    {"AddingPlayersMenu", HelpTopic::AddingPlayers},
    {"CoursesMenu", HelpTopic::Courses},
    {"EnterScoresMenu", HelpTopic::EnteringScores},
    {"ViewMenu", HelpTopic::Viewing},
    {"PrintingMenu", HelpTopic::Printing},
    {"EditRoundMenu", HelpTopic::CorrectingRound},
    {"SettingsMenu", HelpTopic::ProgramSettings},
    {"TeamMenu", HelpTopic::TeamRecords},
    {"ChartsMenu", HelpTopic::Charts},
    {"CardsMenu", HelpTopic::HandicapCards},
    {"BackupMenu", HelpTopic::BackupRestore},
    {"DataFilesMenu", HelpTopic::DataFiles},
    {"CommandLineMenu", HelpTopic::CommandLine},
    {"OfficialHandicapsMenu", HelpTopic::OfficialHandicaps},
    {"CourseHandicapMenu", HelpTopic::CourseHandicap},
    {"NineHoleMenu", HelpTopic::NineHoleRounds},
    {"ToolbarMenu", HelpTopic::Toolbar},
};

// Lines of the contents list and the topic each leads to.
const std::pair<const char*, HelpTopic> ContentsEntries[] = {
    {"Purpose & Intent of this Program", HelpTopic::Purpose},
    {"Getting Started", HelpTopic::GettingStarted},
    {"What Players need to do…", HelpTopic::PlayersNeeds},
    {"Necessary Definitions", HelpTopic::Definitions},
    {"Creating a League File", HelpTopic::CreatingLeague},
    {"Adding Players", HelpTopic::AddingPlayers},
    {"Adding or Editing Courses", HelpTopic::Courses},
    {"Entering Scores", HelpTopic::EnteringScores},
    {"Viewing the Information", HelpTopic::Viewing},
    {"Listings, Printing and Export", HelpTopic::Printing},
    {"Edit / Correct a Round", HelpTopic::CorrectingRound},
    {"Program Settings and Handicap Methods", HelpTopic::ProgramSettings},
    {"Team Record Keeping", HelpTopic::TeamRecords},
    {"Charts and Trends", HelpTopic::Charts},
    {"Handicap Cards", HelpTopic::HandicapCards},
    {"Backup and Restore", HelpTopic::BackupRestore},
    {"Your Data Files and Where They Live", HelpTopic::DataFiles},
    {"The Command-Line Tool", HelpTopic::CommandLine},
    {"About Official Handicaps", HelpTopic::OfficialHandicaps},
    {"Course Handicap Calculation", HelpTopic::CourseHandicap},
    {"Nine Hole Rounds", HelpTopic::NineHoleRounds},
    {"ToolBar Operation", HelpTopic::Toolbar},
};

// The first block with this text: a heading, or a plain line such as a contents entry.
QTextBlock findBlock(QTextBrowser* view, const QString& text, bool heading) {
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
        if (b.text() == text && (b.blockFormat().headingLevel() > 0) == heading) return b;
    return {};
}

int pageCount(const fs::path& pdf) {
    std::ifstream in(pdf, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    int pages = 0;
    for (std::size_t i = s.find("/Type /Page"); i != std::string::npos; i = s.find("/Type /Page", i + 1))
        if (s.compare(i, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private:
    QTextBrowser* view() { return m_help->window()->textView(); }

    // The topic's heading is the first line of the text, and the caret sits on it.
    void verifyHeadingAtTop(HelpTopic topic) {
        QString heading = QString::fromUtf8(headingOf(topic));
        QTextBlock block = findBlock(view(), heading, true);
        QVERIFY2(block.isValid(), qPrintable("no heading " + heading));
        int top = view()->cursorRect(QTextCursor(block)).top();
        QVERIFY2(top >= 0 && top <= 8, qPrintable(heading + " is at " + QString::number(top)));
        QCOMPARE(view()->textCursor().block().text(), heading);
        QVERIFY(!view()->textCursor().hasSelection());
    }

    void clickAt(const QPoint& point) { QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, point); }
    // A click as the window system delivers it, so a modal window's blocking applies.
    void clickOnScreen(const QPoint& point) {
        QWindow* window = m_help->window()->windowHandle();
        QVERIFY(window);
        QTest::mouseClick(window, Qt::LeftButton, {},
                          window->mapFromGlobal(view()->viewport()->mapToGlobal(point)));
    }

    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<HelpLauncher> m_help;
    // What the print dialog was asked, and what it answers.
    std::vector<bool> m_printAsked;
    bool m_printAccepted = true;
    fs::path m_pdf;

  private slots:
    void init() {
        m_dialogs = std::make_unique<FakeDialogs>([](const std::string& what) { QFAIL(what.c_str()); });
        m_printAsked.clear();
        m_printAccepted = true;
        const char* tmp = std::getenv("TALLYROCK_TEST_TMP");
        fs::path folder = fs::path(tmp ? tmp : "/tmp/tallyrock-help-test");
        fs::create_directories(folder);
        m_pdf = folder / "help.pdf";
        fs::remove(m_pdf);
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

    void cleanup() { m_help.reset(); }

    void opensModelessWithItsMenus() {
        HelpWindow* window = m_help->window();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QString("Greenquill Information"));
        QCOMPARE(view()->verticalScrollBar()->value(), 0);
        for (const char* item : {"ExitMenu", "PrintSelectedMenu", "PrintEntireMenu", "CloseHelpMenu"})
            QVERIFY2(window->findChild<QAction*>(item), item);
    }

    void topicMenuItemsBringTheirHeadingsToTheTop() {
        // From the end of the text back to the start, and forward again, so every jump scrolls.
        m_help->window()->showTopic(HelpTopic::Tips);
        for (const auto& [item, topic] : MenuItems) {
            QAction* action = m_help->window()->findChild<QAction*>(item);
            QVERIFY2(action, item);
            action->trigger();
            verifyHeadingAtTop(topic);
        }
        m_help->window()->findChild<QAction*>("ContentsMenu")->trigger();
        QCOMPARE(view()->verticalScrollBar()->value(), 0);
    }

    void everyTopicShownByShowHelpTopic_data() {
        QTest::addColumn<HelpTopic>("topic");
        QCOMPARE(std::size(Headings), std::size(AllHelpTopics));
        for (HelpTopic topic : AllHelpTopics)
            QTest::newRow(headingOf(topic)) << topic;
    }

    // The table other windows' information buttons rely on.
    void everyTopicShownByShowHelpTopic() {
        QFETCH(HelpTopic, topic);
        m_help->ShowHelpTopic(HelpTopic::Tips);
        m_help->ShowHelpTopic(topic);
        verifyHeadingAtTop(topic);
    }

    void contentsEntriesJumpToTheirTopics() {
        for (const auto& [entry, topic] : ContentsEntries) {
            QString text = QString::fromUtf8(entry);
            // On the words of the entry, and to the right of them on the same line.
            for (bool pastTheWords : {false, true}) {
                m_help->ShowHelpTopic(HelpTopic::Contents);
                QTextBlock line = findBlock(view(), text, false);
                QVERIFY2(line.isValid(), entry);
                QTextCursor inside(line);
                inside.setPosition(line.position() + 2);
                QPoint point = view()->cursorRect(inside).center();
                if (pastTheWords) point.setX(view()->viewport()->width() - 20);
                clickAt(point);
                verifyHeadingAtTop(topic);
            }
        }
    }

    void clickOutsideTheContentsOnlyPlacesTheCaret() {
        QTextBlock paragraph;
        for (QTextBlock b = view()->document()->begin(); b.isValid(); b = b.next())
            if (b.text().startsWith("Click a line of this list")) paragraph = b;
        QVERIFY(paragraph.isValid());
        clickAt(view()->cursorRect(QTextCursor(paragraph)).center() + QPoint(40, 0));
        QCOMPARE(view()->verticalScrollBar()->value(), 0);
        QCOMPARE(view()->textCursor().block().text(), paragraph.text());
    }

    void showingATopicAgainKeepsTheWindowAndOnlyScrolls() {
        HelpWindow* window = m_help->window();
        window->move(window->pos() + QPoint(30, 20));
        window->resize(window->size() + QSize(60, 40));
        QRect geometry = window->geometry();
        m_help->ShowHelpTopic(HelpTopic::CourseHandicap);
        QCOMPARE(m_help->window(), window);
        QCOMPARE(window->geometry(), geometry);
        verifyHeadingAtTop(HelpTopic::CourseHandicap);
    }

    void printSelectedAreaWithoutSelectionOnlyBeeps() {
        m_help->window()->findChild<QAction*>("PrintSelectedMenu")->trigger();
        QCOMPARE(m_dialogs->beeps, 1);
        QVERIFY(m_printAsked.empty());
        QVERIFY(!fs::exists(m_pdf));
    }

    void printingPrintsTheSelectionWhenThereIsOne() {
        QTextBlock heading = findBlock(view(), "Nine Hole Rounds", true);
        QTextCursor selection(heading);
        selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        view()->setTextCursor(selection);

        m_help->window()->findChild<QAction*>("PrintSelectedMenu")->trigger();
        QCOMPARE(m_printAsked, std::vector<bool>{true});
        QCOMPARE(pageCount(m_pdf), 1);

        // "Print Entire Instruction" with a selection prints just the selection too ...
        fs::remove(m_pdf);
        m_help->window()->findChild<QAction*>("PrintEntireMenu")->trigger();
        QCOMPARE(m_printAsked, (std::vector<bool>{true, false}));
        QCOMPARE(pageCount(m_pdf), 1);

        // ... and without one, the whole document.
        fs::remove(m_pdf);
        view()->setTextCursor(QTextCursor(view()->document()));
        m_help->window()->findChild<QAction*>("PrintEntireMenu")->trigger();
        QVERIFY(pageCount(m_pdf) > 5);
        QCOMPARE(m_dialogs->beeps, 0);
    }

    void cancelledPrintDialogPrintsNothing() {
        m_printAccepted = false;
        m_help->window()->findChild<QAction*>("PrintEntireMenu")->trigger();
        QCOMPARE(m_printAsked.size(), std::size_t{1});
        QVERIFY(!fs::exists(m_pdf));
        QCOMPARE(m_dialogs->beeps, 0);
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
            QVERIFY(m_help->window()->isVisible());
            verifyHeadingAtTop(HelpTopic::BackupRestore);
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
        verifyHeadingAtTop(HelpTopic::TeamRecords);

        // When the modal window goes, the help window stays open where it was.
        HelpWindow* window = m_help->window();
        modal.close();
        QCOMPARE(m_help->window(), window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->parentWidget());
        verifyHeadingAtTop(HelpTopic::TeamRecords);
    }

    void textPositionsOfOtherWindowsMapToTopics() {
        QCOMPARE(helpTopicAtPosition(0), HelpTopic::Contents);
        QCOMPARE(helpTopicAtPosition(1), HelpTopic::Contents);
        QCOMPARE(helpTopicAtPosition(1477), HelpTopic::Purpose);
        QCOMPARE(helpTopicAtPosition(2442), HelpTopic::GettingStarted);
        QCOMPARE(helpTopicAtPosition(2470), HelpTopic::QuickStart);
        QCOMPARE(helpTopicAtPosition(14952), HelpTopic::EnteringScores);
        QCOMPARE(helpTopicAtPosition(19076), HelpTopic::CorrectingRound);
        QCOMPARE(helpTopicAtPosition(20806), HelpTopic::ProgramSettings);
        QCOMPARE(helpTopicAtPosition(23576), HelpTopic::PrinterFont);
        QCOMPARE(helpTopicAtPosition(26784), HelpTopic::CourseHandicap);
        QCOMPARE(helpTopicAtPosition(32181), HelpTopic::Tips);
        QCOMPARE(helpTopicAtPosition(26783), HelpTopic::OfficialHandicaps);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
