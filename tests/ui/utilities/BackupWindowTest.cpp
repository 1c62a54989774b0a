// The backup and restore windows over the core, driven with scripted dialogs.
#include "utilities/BackupWindow.h"
#include "core/utilities/BackupSamples.h"
#include "fakes/MainWindowRig.h"
#include "utilities/Restore.h"
#include "utilities/RestoreWindow.h"

#include <QSignalSpy>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

class BackupWindowTest : public QObject, MainWindowRig {
    Q_OBJECT

  private:
    std::unique_ptr<BackupSample> m_sample;
    std::unique_ptr<TempDir> m_home;
    std::vector<BackupRoot> m_roots;

  private slots:
    // A working directory with two leagues and the drive list: the drive, then a home folder.
    void init() {
        makeServices(Date{7, 4, 2024});
        m_sample = std::make_unique<BackupSample>();
        m_sample->addLeague("Club", true);
        m_sample->addLeague("Seniors", false);
        m_sample->writeListAndCourses();
        m_home = std::make_unique<TempDir>();
        m_roots = {{m_sample->drive(), "STICK", true}, {m_home->path(), "Home folder", false}};
    }
    void cleanup() { finish(); }

    void backupGoesToTheFirstPlaceAndClosesTwoSecondsLater() {
        BackupWindow window(*m_sample->store, *m_dialogs, m_roots);
        QSignalSpy closed(&window, &BackupWindow::closed);
        window.show();
        click(&window, "copybutton"); // the first place is chosen
        QCOMPARE(folderFiles(m_sample->backup()), folderFiles(m_sample->work()));
        // No message; the hourglass shows until the window closes itself.
        QVERIFY(m_dialogs->calls.empty());
        QVERIFY(m_dialogs->busy && window.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 3000);
        QVERIFY(!m_dialogs->busy);
    }

    void failureShowsTheMessageAndLeavesTheWindowOpen() {
        fs::remove(m_sample->work() / "Course.DAT");
        BackupWindow window(*m_sample->store, *m_dialogs, m_roots);
        QSignalSpy closed(&window, &BackupWindow::closed);
        window.show();
        m_dialogs->answerMessage(Answer::Ok);
        click(&window, "copybutton");
        QCOMPARE(lastCall().text, backupFailure().text);
        QVERIFY(!m_dialogs->busy);
        QTest::qWait(2200);
        QCOMPARE(closed.count(), 0);
    }

    void browsedFolderBecomesTheChoice() {
        TempDir other;
        BackupWindow window(*m_sample->store, *m_dialogs, m_roots);
        window.show();
        auto* list = child<QListWidget>(&window, "DriveList");
        m_dialogs->answerFolder(other.path().string());
        click(&window, "browsebutton");
        QCOMPARE(list->currentRow(), 2);
        click(&window, "copybutton");
        QVERIFY(fs::exists(other / "VEXA Backup" / "Club.LGE"));
        QVERIFY(!fs::exists(m_sample->backup()));
    }

    void restoreAsksThenRestoresAndReports() {
        QVERIFY(!BackupDataFiles(*m_sample->store, m_sample->drive()));
        FolderFiles backedUp = folderFiles(m_sample->work());
        writeFile(m_sample->work() / "Club.LGE", "changed since");
        RestoreWindow window(*m_sample->store, *m_dialogs, m_roots);
        QSignalSpy restored(&window, &RestoreWindow::restored);
        QSignalSpy closed(&window, &RestoreWindow::closed);
        window.show();
        QCOMPARE(child<QListWidget>(&window, "BackupList")->count(), 1); // only the drive holds a backup
        // No leaves everything as it was; Yes restores.
        const FolderFiles changed = folderFiles(m_sample->work());
        m_dialogs->answerMessage(Answer::No);
        click(&window, "restorebutton");
        QCOMPARE(folderFiles(m_sample->work()), changed);
        QCOMPARE(lastCall().defaultButton, Answer::No);
        m_dialogs->answerMessage(Answer::Yes);
        m_dialogs->answerMessage(Answer::Ok);
        click(&window, "restorebutton");
        QCOMPARE(lastCall().text, std::string("Files Restored,  Please Exit and Restart Tallyrock"));
        QCOMPARE(folderFiles(m_sample->work()), backedUp);
        QCOMPARE(readFile(m_sample->work() / "Before Restore" / "Club.LGE"), std::string("changed since"));
        QCOMPARE(restored.count(), 1);
        QCOMPARE(closed.count(), 1);
    }

    void failedRestoreReportsAndKeepsTheFiles() {
        QVERIFY(!BackupDataFiles(*m_sample->store, m_sample->drive()));
        fs::remove(m_sample->backup() / "Course.DAT");
        FolderFiles before = folderFiles(m_sample->work());
        RestoreWindow window(*m_sample->store, *m_dialogs, std::vector<BackupRoot>{});
        QSignalSpy restored(&window, &RestoreWindow::restored);
        window.show();
        // Nothing to restore from yet: a beep and no question.
        click(&window, "restorebutton");
        QCOMPARE(m_dialogs->beeps, 1);
        // The drive is browsed for; its backup folder is the one taken.
        m_dialogs->answerFolder(m_sample->drive().string());
        click(&window, "browsebutton");
        QCOMPARE(child<QListWidget>(&window, "BackupList")->currentItem()->text(),
                 QString::fromStdString(m_sample->backup().string()));
        m_dialogs->answerMessage(Answer::Yes);
        m_dialogs->answerMessage(Answer::Ok);
        click(&window, "restorebutton");
        QCOMPARE(lastCall().title, std::string("Restore Utility"));
        QCOMPARE(lastCall().text, restoreFailure().text);
        QCOMPARE(folderFiles(m_sample->work()), before);
        QCOMPARE(restored.count(), 0);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(Stoppable<BackupWindowTest>)
#include "BackupWindowTest.moc"
