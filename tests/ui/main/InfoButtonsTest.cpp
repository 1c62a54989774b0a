// Every information button of the program opens the help window at its own
// topic: each window is opened from the real main window and its button clicked.
#include "core/views/ViewSamples.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "main/MainWindow.h"
#include "store/CourseFile.h"
#include "store/LeagueFile.h"
#include "store/SettingsFile.h"
#include "store/TeamFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
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

struct InfoButton {
    const char* what;
    MainWindow::Window window;
    const char* button;
    HelpTopic topic;
};

} // namespace

Q_DECLARE_METATYPE(MainWindow::Window)
Q_DECLARE_METATYPE(HelpTopic)

class InfoButtonsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const char* tmp = std::getenv("TALLYROCK_TEST_TMP");
        m_dir = fs::path(tmp ? tmp : "/tmp/tallyrock-info-test");
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        // A league with two players, one course and one team.
        Store files;
        files.workDir = m_dir;
        setCourse(files, 1, "Pine Creek Club", "PCC");
        QVERIFY(!SaveCourseFile(files));
        files.league.LeagueFilePath = "Club.LGE";
        int ann = addPlayer(files, "Ann Able");
        addPlayer(files, "Bob Baker");
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
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, m_printer, m_clock, nullptr});
        m_main = std::make_unique<MainWindow>(m_store, *m_services);
        m_main->setHelpViewer(&m_help);
        m_main->load(QRect(0, 0, 1024, 768), 1024);
        m_main->show();
        m_main->findChild<QAction*>("leaguesmenu0")->trigger();
        QVERIFY(m_main->isEnabled());
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
        m_store.CourseFormMode = CourseWindowMode::Add;
        std::set<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets())
            before.insert(w);
        QVERIFY(m_main->openWindow(window));
        QWidget* opened = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.count(w) && w->isVisible()) opened = w;
        QVERIFY(opened);
        auto* info = child<QAbstractButton>(opened, button);
        QVERIFY(info);
        m_help.shown.clear();
        QTest::mouseClick(info, Qt::LeftButton);
        QCOMPARE(m_help.shown.size(), std::size_t{1});
        QCOMPARE(m_help.shown.front(), topic);
        QVERIFY(!m_main->isEnabled()); // the help window disables nothing, the open window does
        delete opened;
        QVERIFY(m_main->isEnabled());
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

  private:
    // A widget or action of the window; the test function stops here after an unexpected dialog.
    template <class T> static T* child(QObject* window, const QString& name) {
        stopAfterUnexpectedDialog();
        return window->findChild<T*>(name);
    }

    fs::path m_dir;
    Store m_store;
    RecordingHelp m_help;
    RecordingPrinter m_printer;
    FixedClock m_clock{Date{7, 4, 2024}};
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<UiServices> m_services;
    std::unique_ptr<MainWindow> m_main;
};

QTEST_MAIN(Stoppable<InfoButtonsTest>)
#include "InfoButtonsTest.moc"
