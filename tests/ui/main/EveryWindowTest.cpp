// Every window the real main window opens: centred on the screen, each button
// named for a screen reader, the information button opening the help window
// at its own topic and beside the window, lists of players selecting alike,
// and the real message boxes standing over their windows.
#include "core/Samples.h"
#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "main/MainWindow.h"
#include "print/QtReportPrinter.h"
#include "services/QtDialogs.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"
#include "utilities/HelpLauncher.h"
#include "utilities/ScreenPlacement.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <set>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

namespace {

class RecordingHelp : public HelpViewer {
  public:
    void ShowHelpTopic(HelpTopic topic) override { shown.push_back(topic); }
    std::vector<HelpTopic> shown;
};

// The scripted dialogs, or, while `real` is set, the program's own message boxes.
class SwitchDialogs : public FakeDialogs {
  public:
    using FakeDialogs::FakeDialogs;
    Answer messageBox(const Message& message, Buttons buttons, Answer defaultButton) override {
        return real ? real->messageBox(message, buttons, defaultButton)
                    : FakeDialogs::messageBox(message, buttons, defaultButton);
    }
    QtDialogs* real = nullptr;
};

struct InfoButton {
    const char* what;
    MainWindow::Window window;
    const char* button;
    HelpTopic topic;
};

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// What a message box showed, and where.
struct BoxSeen {
    QString title, text;
    QRect frame;
};

} // namespace

Q_DECLARE_METATYPE(MainWindow::Window)
Q_DECLARE_METATYPE(HelpTopic)

class EveryWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        m_dir = caseFolder("every-window");
        // A league with three players, one course and one team of one.
        Store files;
        files.workDir = m_dir;
        setCourse(files, 1, "Pine Creek Club", "PCC");
        QVERIFY(!SaveCourseFile(files));
        files.league.LeagueFilePath = "Club.LGE";
        int ann = addSamplePlayer(files, "Ann Able");
        addSamplePlayer(files, "Bob Baker");
        addSamplePlayer(files, "Cyd Cole");
        addRound(files, ann, RoundSample{6, 1, 6, 1, 44, 45, 12.3f, 14});
        QVERIFY(!SaveLeagueFile(files));
        files.teams.TeamCount = 1;
        files.teams.team[1].TeamName = "Eagles";
        files.teams.PlayerTeam[1] = 1;
        QVERIFY(!SaveTeamFile(files));
        SetDefaults(files.settings);
        files.settings.LeagueCount = 1;
        files.settings.LeagueList[1] = "Club";
        QVERIFY(!SaveLeagueList(files));

        m_store.workDir = m_dir;
        m_store.settingsDir = m_dir / "config";
        m_dialogs = std::make_unique<SwitchDialogs>(failAtUnexpectedDialog);
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, m_printer, m_clock, nullptr});
        m_main = std::make_unique<MainWindow>(m_store, *m_services);
        m_main->setHelpViewer(&m_help);
        m_main->load(QRect(0, 0, 1024, 768), 1024);
        m_main->show();
        m_main->findChild<QAction*>("leaguesmenu0")->trigger();
        QVERIFY(m_main->isEnabled());
    }

    // Every window a test opened is gone, so the main window is enabled again.
    void cleanup() { QVERIFY(m_main->isEnabled()); }

    void cleanupTestCase() {
        m_main.reset();
        deleteLeftoverWindows();
    }

    void opensItsTopic_data() {
        QTest::addColumn<MainWindow::Window>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<HelpTopic>("topic");
        using W = MainWindow::Window;
        const InfoButton rows[] = {
            {"rules", W::Rules, "infobutton", HelpTopic::ProgramSettings},
            {"round set-up", W::RoundSetup, "infobutton", HelpTopic::EnteringScores},
            {"course handicap calculator", W::CourseHcpCalculator, "infobutton", HelpTopic::CourseHandicap},
            {"course window", W::CourseSetup, "infobutton", HelpTopic::Courses},
            {"league creation", W::LeagueCreation, "infobutton", HelpTopic::CreatingLeague},
            {"add player", W::AddPlayer, "infobutton", HelpTopic::AddingPlayers},
            {"remove player", W::RemovePlayer, "infobutton", HelpTopic::AddingPlayers},
            {"team definition", W::TeamDefinition, "Infobutton", HelpTopic::TeamRecords},
            {"team points", W::TeamPoints, "Image1", HelpTopic::TeamRecords},
            {"team summary", W::TeamSummary, "Infobutton", HelpTopic::TeamRecords},
            {"printer font", W::PrinterFont, "infobutton", HelpTopic::PrinterFont},
            {"restore", W::Restore, "infobutton", HelpTopic::BackupRestore},
        };
        for (const InfoButton& row : rows)
            QTest::newRow(row.what) << row.window << QString(row.button) << row.topic;
    }

    void opensItsTopic() {
        QFETCH(MainWindow::Window, window);
        QFETCH(QString, button);
        QFETCH(HelpTopic, topic);
        std::unique_ptr<QWidget> opened(open(window));
        QVERIFY(opened);
        auto* info = child<QAbstractButton>(opened.get(), button);
        QVERIFY(info);
        m_help.shown.clear();
        QTest::mouseClick(info, Qt::LeftButton);
        QCOMPARE(m_help.shown.size(), std::size_t{1});
        QCOMPARE(m_help.shown.front(), topic);
        QVERIFY(!m_main->isEnabled()); // the help window disables nothing, the open window does
    }

    void mainWindowHelpItems() {
        const std::pair<const char*, HelpTopic> items[] = {
            {"Infomenu", HelpTopic::Contents},
            {"quickstartmenu", HelpTopic::QuickStart},
            {"Purposemenu", HelpTopic::Purpose},
        };
        for (const auto& [name, topic] : items) {
            m_help.shown.clear();
            child<QAction>(m_main.get(), name)->trigger();
            QCOMPARE(m_help.shown, std::vector<HelpTopic>{topic});
            QVERIFY(m_main->isEnabled());
        }
    }

    // Each window of the main window's table.
    void opensCentredWithEveryButtonNamed_data() {
        QTest::addColumn<MainWindow::Window>("window");
        using W = MainWindow::Window;
        for (int w = static_cast<int>(W::Rules); w <= static_cast<int>(W::PlayingConditions); ++w)
            QTest::addRow("window %d", w) << static_cast<W>(w);
    }

    // Centred across, and from the middle to 100 twips below it.
    void opensCentredWithEveryButtonNamed() {
        QFETCH(MainWindow::Window, window);
        m_store.ChartKind = "line";
        std::unique_ptr<QWidget> opened(open(window));
        QVERIFY(opened);
        QPoint centre = opened->frameGeometry().center();
        QPoint middle = screenArea().center();
        QVERIFY2(std::abs(centre.x() - middle.x()) <= 2, qPrintable(QString::number(centre.x())));
        QVERIFY2(centre.y() >= middle.y() - 2 && centre.y() <= middle.y() + twipsToPixels(100) + 2,
                 qPrintable(QString::number(centre.y())));
        expectNamedButtons(opened.get());
    }

    void mainWindowButtonsAreNamed() { expectNamedButtons(m_main.get()); }

    // A click adds a player to the selection in every list that takes several.
    void listsOfPlayersAddAClickedPlayer() {
        using W = MainWindow::Window;
        for (W window : {W::RoundSetup, W::HandicapCards, W::TeamDefinition}) {
            std::unique_ptr<QWidget> opened(open(window));
            QVERIFY(opened);
            auto* list = child<QListWidget>(opened.get(), "List1");
            QVERIFY(list && list->count() >= 2);
            for (int row : {0, 1})
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(row)).center());
            QCOMPARE(list->selectedItems().size(), 2);
        }
    }

    // The program's own message boxes: the team points question over its
    // centred window, the restore warning with one break per line.
    void realMessageBoxes() {
        using W = MainWindow::Window;
        QtDialogs real;
        m_dialogs->real = &real;
        auto scriptedAgain = qScopeGuard([this] { m_dialogs->real = nullptr; });
        std::unique_ptr<QWidget> points(open(W::TeamPoints));
        QVERIFY(points);
        activate(points.get());
        QTest::keyClicks(child<QLineEdit>(points.get(), "ManualText"), "3");
        BoxSeen question;
        answerNextBox(question, QMessageBox::No);
        QTest::mouseClick(child<QAbstractButton>(points.get(), "nextteambutton"), Qt::LeftButton);
        QCOMPARE(question.title, QString("Team Point Records"));
        QVERIFY2((question.frame.center() - screenArea().center()).manhattanLength() <= twipsToPixels(200),
                 qPrintable(QString("%1,%2").arg(question.frame.x()).arg(question.frame.y())));

        fs::create_directories(m_dir / "home" / "VEXA Backup");
        QByteArray home = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString((m_dir / "home").string()));
        std::unique_ptr<QWidget> restore(open(W::Restore));
        qputenv("HOME", home);
        QVERIFY(restore);
        activate(restore.get());
        BoxSeen warning;
        answerNextBox(warning, QMessageBox::No);
        QTest::mouseClick(child<QAbstractButton>(restore.get(), "restorebutton"), Qt::LeftButton);
        QCOMPARE(warning.title, QString("WARNING!"));
        QCOMPARE(warning.text,
                 QString("This operation will copy files from your backup disk to the original\n"
                         "directory on your hard disk where Tallyrock runs.\n\n"
                         "Are you sure you want to continue?"));
        QCOMPARE(m_dialogs->beeps, 1);
        m_dialogs->beeps = 0;
    }

    // The help window opens beside the window it explains, and with no printer
    // its text prints to Printouts/ as every report does.
    void helpBesideItsWindowAndPrintedToPrintouts() {
        QtReportPrinter printouts(m_dir / "Printouts");
        printouts.choosePrinter(PdfFileChoice);
        printouts.setOnPdfWritten([this](const fs::path& file) { m_main->showPrintout(file); });
        HelpLauncher help(
            *m_dialogs,
            [](QPrinter&, bool, QWidget*) {
                qWarning("the print dialog was shown");
                return false;
            },
            &printouts);
        m_main->setHelpViewer(&help);
        auto giveBack = qScopeGuard([this] { m_main->setHelpViewer(&m_help); });
        std::unique_ptr<QWidget> summary(open(MainWindow::Window::TeamSummary));
        QVERIFY(summary);
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
        QCOMPARE(m_main->messagePanelText(), "Printout saved as Printouts/" + written[0]);
    }

  private:
    // A widget or action of the window; the test function stops here after an unexpected dialog.
    template <class T> static T* child(QObject* window, const QString& name) {
        stopAfterUnexpectedDialog();
        return window->findChild<T*>(name);
    }

    // The window the main window opens, shown.
    QWidget* open(MainWindow::Window window) {
        m_store.CourseFormMode = CourseWindowMode::Add;
        std::set<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets())
            before.insert(w);
        if (!m_main->openWindow(window)) return nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.count(w) && w->isVisible()) return w;
        return nullptr;
    }

    static void activate(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // Every button says what it does: in its text, or in its accessible name
    // where it shows an icon, an arrow or a sign.
    static void expectNamedButtons(QWidget* window) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window)) continue;
            QString name =
                button->accessibleName().isEmpty() ? button->text().remove('&') : button->accessibleName();
            bool words = false;
            for (QChar c : name)
                words = words || c.isLetter();
            QVERIFY2(words, qPrintable(window->objectName() + "/" + button->objectName()));
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

    fs::path m_dir;
    Store m_store;
    RecordingHelp m_help;
    RecordingPrinter m_printer;
    FixedClock m_clock{Date{7, 4, 2024}};
    std::unique_ptr<SwitchDialogs> m_dialogs;
    std::unique_ptr<UiServices> m_services;
    std::unique_ptr<MainWindow> m_main;
};

QTEST_MAIN(Stoppable<EveryWindowTest>)
#include "EveryWindowTest.moc"
