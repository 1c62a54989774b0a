// Every window the main window opens: centred, buttons named, help beside it, real message boxes.
#include "core/Samples.h"
#include "fakes/MainWindowRig.h"
#include "print/QtReportPrinter.h"
#include "services/QtDialogs.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "utilities/HelpWindow.h"
#include "utilities/ScreenPlacement.h"

#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <map>
#include <set>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

using W = MainWindow::Window;

// The scripted dialogs, or, while `real` is set, the program's own message boxes.
class SwitchDialogs : public FakeDialogs {
  public:
    Answer messageBox(const Message& message, Buttons buttons, Answer defaultButton) override {
        return real ? real->messageBox(message, buttons, defaultButton)
                    : FakeDialogs::messageBox(message, buttons, defaultButton);
    }
    QtDialogs* real = nullptr;
};

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

struct BoxSeen {
    QString title, text;
    QRect frame;
};

// Each topic's heading, "Go to Topic" item and contents line (Listed: the heading).
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

bool NoPrintDialog(QPrinter&, bool, QWidget*) {
    return false;
}

// The first block with this text: a heading, or a plain line such as a contents entry.
QTextBlock findBlock(QTextBrowser* view, const QString& text, bool heading) {
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
        if (b.text() == text && (b.blockFormat().headingLevel() > 0) == heading) return b;
    return {};
}

} // namespace

Q_DECLARE_METATYPE(MainWindow::Window)
Q_DECLARE_METATYPE(HelpTopic)

class EveryWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private slots:
    void initTestCase() {
        makeFolder();
        Store files = storeIn(m_dir, "Club.LGE");
        setCourse(files, 1, "Pine Creek Club", "PCC");
        addRound(files, addSamplePlayer(files, "Ann Able"), RoundSample{6, 1, 6, 1, 44, 45, 12.3f, 14});
        addSamplePlayer(files, "Bob Baker");
        addSamplePlayer(files, "Cyd Cole");
        writeFile(m_dir / "Club.tea", crlf({" 1 ", "Eagles", " 1 ", " 0 ", " 0 ", " 0 "}));
        writeFile(m_dir / "vexa.dat", " 1 \nClub\n .96 \nCourier New\n 1 \n 1 \n 1 \n 0 \n");
        QVERIFY(!SaveCourseFile(files) && !SaveLeagueFile(files));
        makeServices<SwitchDialogs>(Date{7, 4, 2024});
        m_launcher = std::make_unique<HelpLauncher>(*m_dialogs, NoPrintDialog);
        startMain(Date{7, 4, 2024}, true);
        openLeague("leaguesmenu0", "Club");
    }
    // Every window a test opened is gone, so the main window is enabled again.
    void cleanup() { QVERIFY(m_window->isEnabled()); }
    void cleanupTestCase() {
        m_launcher.reset();
        finish();
    }

    void everyWindow_data() {
        QTest::addColumn<W>("window");
        QTest::addColumn<QString>("info");
        QTest::addColumn<HelpTopic>("topic");
        const std::map<W, std::pair<const char*, HelpTopic>> infoButtons = {
            {W::Rules, {"infobutton", HelpTopic::ProgramSettings}},
            {W::RoundSetup, {"infobutton", HelpTopic::EnteringScores}},
            {W::CourseHcpCalculator, {"infobutton", HelpTopic::CourseHandicap}},
            {W::CourseSetup, {"infobutton", HelpTopic::Courses}},
            {W::LeagueCreation, {"infobutton", HelpTopic::CreatingLeague}},
            {W::AddPlayer, {"infobutton", HelpTopic::AddingPlayers}},
            {W::RemovePlayer, {"infobutton", HelpTopic::AddingPlayers}},
            {W::TeamDefinition, {"Infobutton", HelpTopic::TeamRecords}},
            {W::TeamPoints, {"Image1", HelpTopic::TeamRecords}},
            {W::TeamSummary, {"Infobutton", HelpTopic::TeamRecords}},
            {W::PrinterFont, {"infobutton", HelpTopic::PrinterFont}},
            {W::Restore, {"infobutton", HelpTopic::BackupRestore}},
        };
        for (int w = static_cast<int>(W::Rules); w <= static_cast<int>(W::PlayingConditions); ++w) {
            auto info = infoButtons.find(static_cast<W>(w));
            QTest::addRow("window %d", w)
                << static_cast<W>(w) << QString(info == infoButtons.end() ? "" : info->second.first)
                << (info == infoButtons.end() ? HelpTopic::Contents : info->second.second);
        }
    }

    // Centred across, and from the middle to 100 twips below it.
    void everyWindow() {
        QFETCH(W, window);
        QFETCH(QString, info);
        QFETCH(HelpTopic, topic);
        m_store->ChartKind = "line";
        std::unique_ptr<QWidget> opened(open(window));
        QPoint centre = opened->frameGeometry().center();
        QPoint middle = screenArea().center();
        QVERIFY2(std::abs(centre.x() - middle.x()) <= 2, qPrintable(QString::number(centre.x())));
        QVERIFY2(centre.y() >= middle.y() - 2 && centre.y() <= middle.y() + twipsToPixels(100) + 2,
                 qPrintable(QString::number(centre.y())));
        expectNamedButtons(opened.get());
        if (info.isEmpty()) return;
        m_help.topics.clear();
        QTest::mouseClick(child<QAbstractButton>(opened.get(), info), Qt::LeftButton);
        QCOMPARE(m_help.topics, std::vector<HelpTopic>{topic});
        QVERIFY(!m_window->isEnabled()); // the help window disables nothing, the open window does
    }

    void mainWindowButtonsAndHelpItems() {
        expectNamedButtons(m_window.get());
        for (auto [name, topic] :
             {std::pair{"Infomenu", HelpTopic::Contents}, std::pair{"quickstartmenu", HelpTopic::QuickStart},
              std::pair{"Purposemenu", HelpTopic::Purpose}}) {
            m_help.topics.clear();
            trigger(name);
            QCOMPARE(m_help.topics, std::vector<HelpTopic>{topic});
        }
    }

    // A click adds a player to the selection in every list that takes several.
    void listsOfPlayersAddAClickedPlayer() {
        for (W window : {W::RoundSetup, W::HandicapCards, W::TeamDefinition}) {
            std::unique_ptr<QWidget> opened(open(window));
            auto* list = child<QListWidget>(opened.get(), "List1");
            clickRow(list, 0);
            clickRow(list, 1);
            QCOMPARE(list->selectedItems().size(), 2);
        }
    }

    // The team points question over its centred window, the restore warning one break a line.
    void realMessageBoxes() {
        QtDialogs real;
        auto& dialogs = static_cast<SwitchDialogs&>(*m_dialogs);
        dialogs.real = &real;
        auto scriptedAgain = qScopeGuard([&] { dialogs.real = nullptr; });
        std::unique_ptr<QWidget> points(open(W::TeamPoints));
        activate(points.get());
        QTest::keyClicks(child<QLineEdit>(points.get(), "ManualText"), "3");
        BoxSeen question;
        answerNextBox(question, QMessageBox::No);
        QTest::mouseClick(child<QAbstractButton>(points.get(), "nextteambutton"), Qt::LeftButton);
        QCOMPARE(question.title, QString("Team Point Records"));
        QVERIFY((question.frame.center() - screenArea().center()).manhattanLength() <= twipsToPixels(200));

        fs::create_directories(m_dir / "home" / "VEXA Backup");
        QByteArray home = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString((m_dir / "home").string()));
        std::unique_ptr<QWidget> restore(open(W::Restore));
        qputenv("HOME", home);
        activate(restore.get());
        BoxSeen warning;
        answerNextBox(warning, QMessageBox::No);
        QTest::mouseClick(child<QAbstractButton>(restore.get(), "restorebutton"), Qt::LeftButton);
        QCOMPARE(warning.title, QString("WARNING!"));
        QCOMPARE(warning.text,
                 QString("This operation will copy files from your backup disk to the original\n"
                         "directory on your hard disk where Tallyrock runs.\n\n"
                         "Are you sure you want to continue?"));
        m_dialogs->beeps = 0;
    }

    // The help opens beside its window; with no printer it prints to Printouts/ as reports do.
    void helpBesideItsWindowAndPrintedToPrintouts() {
        QtReportPrinter printouts(m_dir / "Printouts");
        printouts.choosePrinter(PdfFileChoice);
        printouts.setOnPdfWritten([this](const fs::path& file) { m_window->showPrintout(file); });
        HelpLauncher help(*m_dialogs, NoPrintDialog, &printouts); // a shown print dialog prints nothing
        m_window->setHelpViewer(&help);
        auto giveBack = qScopeGuard([this] { m_window->setHelpViewer(&m_help); });
        std::unique_ptr<QWidget> summary(open(W::TeamSummary));
        for (bool atLeft : {true, false}) {
            QRect area = screenArea();
            summary->move(atLeft ? area.left() : area.right() + 1 - summary->frameGeometry().width(),
                          area.top() + 40);
            activate(summary.get());
            QTest::mouseClick(child<QAbstractButton>(summary.get(), "Infobutton"), Qt::LeftButton);
            HelpWindow* window = help.window();
            QVERIFY(window && window->isVisible());
            QVERIFY(!window->frameGeometry().intersects(summary->frameGeometry()));
            QCOMPARE(window->frameGeometry().left() > summary->frameGeometry().left(), atLeft);
            QCOMPARE(window->frameGeometry().top(), summary->frameGeometry().top());
        }
        help.window()->findChild<QAction*>("PrintEntireMenu")->trigger();
        QStringList written =
            QDir(QString::fromStdString((m_dir / "Printouts").string())).entryList(QDir::Files);
        QCOMPARE(written.size(), 1);
        QVERIFY(written[0].startsWith("Help ") && written[0].endsWith(".pdf"));
        QCOMPARE(m_window->messagePanelText(), "Printout saved as Printouts/" + written[0]);
    }

    // Each topic to the top from ShowHelpTopic (from the end), Go to Topic, a click past its entry.
    void everyTopic() {
        QCOMPARE(std::size(Topics), std::size(AllHelpTopics));
        for (const TopicRow& topic : Topics) {
            m_launcher->ShowHelpTopic(HelpTopic::Tips);
            m_launcher->ShowHelpTopic(topic.topic);
            verifyHeadingAtTop(topic.heading);
            if (topic.menu) {
                m_launcher->ShowHelpTopic(HelpTopic::Contents);
                child<QAction>(m_launcher->window(), topic.menu)->trigger();
                verifyHeadingAtTop(topic.heading);
            }
            if (!topic.entry) continue;
            m_launcher->ShowHelpTopic(HelpTopic::Contents);
            QTextBlock line =
                findBlock(view(), QString::fromUtf8(*topic.entry ? topic.entry : topic.heading), false);
            QVERIFY2(line.isValid(), topic.heading);
            QPoint pastTheWords(view()->viewport()->width() - 20,
                                view()->cursorRect(QTextCursor(line)).center().y());
            QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, pastTheWords);
            verifyHeadingAtTop(topic.heading);
        }
    }

  private:
    QTextBrowser* view() {
        stopAfterUnexpectedDialog();
        return m_launcher->window()->textView();
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

    std::unique_ptr<HelpLauncher> m_launcher; // for the help window's own tests

    QWidget* open(W window) {
        m_store->CourseFormMode = CourseWindowMode::Add;
        std::set<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets())
            before.insert(w);
        if (m_window->openWindow(window))
            for (QWidget* w : QApplication::topLevelWidgets())
                if (!before.count(w) && w->isVisible()) return w;
        fail(QString("window %1 is not shown").arg(static_cast<int>(window)));
    }

    // Every button says what it does in its text, or in its accessible name for an icon or sign.
    static void expectNamedButtons(QWidget* window) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window)) continue;
            QString name =
                button->accessibleName().isEmpty() ? button->text().remove('&') : button->accessibleName();
            QVERIFY2(name.contains(QRegularExpression("\\p{L}")),
                     qPrintable(window->objectName() + "/" + button->objectName()));
        }
    }

    // Notes the next message box once it is on screen and closes it with `button`.
    void answerNextBox(BoxSeen& seen, QMessageBox::StandardButton button) {
        auto* poll = new QTimer(this);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this, [poll, &seen, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            poll->stop();
            poll->deleteLater();
            seen = {box->windowTitle(), box->text(), box->frameGeometry()};
            box->button(button)->click();
        });
        poll->start();
    }
};

QTEST_MAIN(Stoppable<EveryWindowTest>)
#include "EveryWindowTest.moc"
