#include "BackupWindow.h"

#include "ScreenPlacement.h"
#include "services/Dialogs.h"
#include "services/NamedControls.h"
#include "services/QtText.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace tallyrock {

BackupWindow::BackupWindow(Store& store, Dialogs& dialogs, const std::vector<BackupRoot>& roots,
                           QWidget* parent)
    : FolderListWindow(store, dialogs, parent, "Backupform", BackupWindowTitle) {
    buildFolderList({"Click on the button below to copy all your League, Course",
                     "and Settings files.  A directory named \\VEXA Backup will be",
                     "created on the drive you specify.  Older copies of VEXA",
                     "files will be overwritten when future backups are performed"},
                    "Choose the location for your backup", "DriveFrame", "DriveList",
                    "Choose another folder for the backup", "Choose the location for your backup");
    m_copyButton = namedButton("Backup VEXA Data files", "copybutton", this);
    buildButtonRow(m_copyButton, nullptr, "Close backup window");

    for (const BackupRoot& root : roots)
        addRoot(root);
    m_closeTimer = namedTimer("Timer1", 2000, this);
    m_closeTimer->setSingleShot(true);
    // Focus goes to the destination once the window is up.
    startOnFirstPlace();

    connect(m_copyButton, &QPushButton::clicked, this, &BackupWindow::copyToFolder);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &BackupWindow::copyToFolder);
    connect(m_closeTimer, &QTimer::timeout, this, &BackupWindow::finishBackup);

    resize(480, 360);
    centreBelowMiddle(*this, 100);
}

void BackupWindow::addRoot(const BackupRoot& root) {
    addPlace(qs(root.label), root.path.string());
}

void BackupWindow::addBrowsed(const std::string& folder) {
    addRoot(chosenBackupRoot(folder));
}

void BackupWindow::copyToFolder() {
    std::optional<std::string> path = currentPath();
    if (!path || m_closeTimer->isActive()) {
        m_dialogs.beep();
        return;
    }
    m_dialogs.setBusy(true);
    Failure failure = BackupDataFiles(m_store, *path);
    if (failure) {
        // The window stays open for another try.
        m_dialogs.setBusy(false);
        m_dialogs.messageBox(*failure);
        return;
    }
    // No message: the window closing two seconds later tells the user it is done.
    m_closeTimer->start();
}

void BackupWindow::finishBackup() {
    m_dialogs.setBusy(false);
    close();
}

void BackupWindow::closeEvent(QCloseEvent* event) {
    if (m_closeTimer->isActive()) {
        m_closeTimer->stop();
        m_dialogs.setBusy(false);
    }
    FolderListWindow::closeEvent(event);
}

} // namespace tallyrock
