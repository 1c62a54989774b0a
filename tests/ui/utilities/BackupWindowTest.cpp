// The backup and restore windows over the core, driven with scripted dialogs.
#include "utilities/BackupWindow.h"
#include "core/TestFiles.h"
#include "core/utilities/BackupSamples.h"
#include "fakes/FakeDialogs.h"
#include "fakes/StopTest.h"
#include "utilities/Restore.h"
#include "utilities/RestoreWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace tallyrock;
using namespace tallyrock::test;
namespace fs = std::filesystem;

class BackupWindowTest : public QObject {
    Q_OBJECT

  private:
    // A working directory with two leagues and the drive list: the drive, then a home folder.
    void makeSample() {
        m_sample = std::make_unique<BackupSample>();
        m_sample->addLeague("Club", true);
        m_sample->addLeague("Seniors", false);
        m_sample->writeListAndCourses();
        m_home = std::make_unique<TempDir>();
        m_roots = {{m_sample->drive(), "STICK", true}, {m_home->path(), "Home folder", false}};
    }

    template <class T> T* child(QWidget& window, const char* name) {
        stopAfterUnexpectedDialog();
        T* found = window.findChild<T*>(name);
        if (!found) qWarning("no child %s", name);
        return found;
    }

    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<BackupSample> m_sample;
    std::unique_ptr<TempDir> m_home;
    std::vector<BackupRoot> m_roots;

  private slots:
    void init() {
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        makeSample();
    }

    void backupGoesToTheFirstPlaceAndClosesTwoSecondsLater() {
        BackupWindow window(*m_sample->store, *m_dialogs, m_roots);
        QSignalSpy closed(&window, &BackupWindow::closed);
        window.show();
        QCOMPARE(child<QListWidget>(window, "DriveList")->currentRow(), 0);
        child<QPushButton>(window, "copybutton")->click();

        QCOMPARE(folderFiles(m_sample->backup()), folderFiles(m_sample->work()));
        // No message; the hourglass shows until the window closes itself.
        QVERIFY(m_dialogs->calls.empty());
        QVERIFY(m_dialogs->busy);
        QVERIFY(window.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 3000);
        QVERIFY(!window.isVisible());
        QVERIFY(!m_dialogs->busy);
    }

    void failureShowsTheMessageAndLeavesTheWindowOpen() {
        fs::remove(m_sample->work() / "Course.DAT");
        BackupWindow window(*m_sample->store, *m_dialogs, m_roots);
        QSignalSpy closed(&window, &BackupWindow::closed);
        window.show();
        m_dialogs->answerMessage(Answer::Ok);

        child<QPushButton>(window, "copybutton")->click();

        QCOMPARE(m_dialogs->calls.size(), std::size_t{1});
        QCOMPARE(m_dialogs->calls[0].text, backupFailure().text);
        QVERIFY(!m_dialogs->busy);
        QTest::qWait(2200);
        QVERIFY(window.isVisible());
        QCOMPARE(closed.count(), 0);
    }

    void browsedFolderBecomesTheChoice() {
        TempDir other;
        BackupWindow window(*m_sample->store, *m_dialogs, m_roots);
        window.show();
        auto* list = child<QListWidget>(window, "DriveList");
        m_dialogs->answerFolder(std::nullopt); // cancelled: nothing changes
        child<QPushButton>(window, "browsebutton")->click();
        QCOMPARE(list->count(), 2);
        m_dialogs->answerFolder(other.path().string());
        child<QPushButton>(window, "browsebutton")->click();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 2);

        child<QPushButton>(window, "copybutton")->click();

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
        // Only the drive holds a backup.
        QCOMPARE(child<QListWidget>(window, "BackupList")->count(), 1);
        // No leaves everything as it was; Yes restores.
        const FolderFiles changed = folderFiles(m_sample->work());
        m_dialogs->answerMessage(Answer::No);
        child<QPushButton>(window, "restorebutton")->click();
        QCOMPARE(folderFiles(m_sample->work()), changed);
        QCOMPARE(m_dialogs->calls[0].defaultButton, Answer::No);
        m_dialogs->answerMessage(Answer::Yes);
        m_dialogs->answerMessage(Answer::Ok);
        child<QPushButton>(window, "restorebutton")->click();

        QCOMPARE(m_dialogs->calls.size(), std::size_t{3});
        QCOMPARE(m_dialogs->calls[2].text, std::string("Files Restored,  Please Exit and Restart Tallyrock"));
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
        auto* list = child<QListWidget>(window, "BackupList");
        QCOMPARE(list->count(), 0);
        // Nothing to restore from yet: a beep and no question.
        child<QPushButton>(window, "restorebutton")->click();
        QCOMPARE(m_dialogs->beeps, 1);
        QVERIFY(m_dialogs->calls.empty());
        // The drive is browsed for; its backup folder is the one taken.
        m_dialogs->answerFolder(m_sample->drive().string());
        child<QPushButton>(window, "browsebutton")->click();
        QCOMPARE(list->currentItem()->text(), QString::fromStdString(m_sample->backup().string()));
        m_dialogs->answerMessage(Answer::Yes);
        m_dialogs->answerMessage(Answer::Ok);

        child<QPushButton>(window, "restorebutton")->click();

        QCOMPARE(m_dialogs->calls.back().title, std::string("Restore Utility"));
        QCOMPARE(m_dialogs->calls.back().text, restoreFailure().text);
        QCOMPARE(folderFiles(m_sample->work()), before);
        QCOMPARE(restored.count(), 0);
        QVERIFY(window.isVisible());
        QVERIFY(!m_dialogs->busy);
    }
};

QTEST_MAIN(Stoppable<BackupWindowTest>)
#include "BackupWindowTest.moc"
