#include "RestoreWindow.h"

#include "ScreenPlacement.h"
#include "services/BusyPointer.h"
#include "services/Dialogs.h"
#include "services/NamedControls.h"
#include "services/QtText.h"
#include "utilities/Restore.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace tallyrock {

RestoreWindow::RestoreWindow(Store& store, Dialogs& dialogs, const std::vector<BackupRoot>& roots,
                             QWidget* parent)
    : FolderListWindow(store, dialogs, parent, "Restoreform", RestoreWindowTitle) {
    buildFolderList({"Choose the VEXA Backup folder to copy back into the folder",
                     "where Tallyrock keeps its data files.  The files there now",
                     "are first saved in its \"Before Restore\" folder."},
                    "Backup to restore from", {}, "BackupList", "Choose another backup folder",
                    "Choose the backup to restore from");
    QPushButton* restorebutton = namedButton("Restore data files", "restorebutton", this);
    auto* infobutton = new QToolButton(this);
    infobutton->setObjectName("infobutton");
    infobutton->setToolTip("Help on backup and restore");
    infobutton->setAccessibleName("Help on backup and restore");
    infobutton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    buildButtonRow(restorebutton, infobutton, "Close restore window");

    for (const std::filesystem::path& folder : findBackupFolders(roots))
        addFolder(folder);
    startOnFirstPlace();

    connect(restorebutton, &QPushButton::clicked, this, &RestoreWindow::restoreFromFolder);
    connect(infobutton, &QToolButton::clicked, this, &RestoreWindow::helpRequested);

    resize(480, 320);
    centreBelowMiddle(*this, 100);
}

void RestoreWindow::addFolder(const std::filesystem::path& folder) {
    addPlace(qs(folder.string()), folder.string());
}

void RestoreWindow::addBrowsed(const std::string& folder) {
    addFolder(backupFolderFor(folder));
}

void RestoreWindow::restoreFromFolder() {
    std::optional<std::string> path = currentPath();
    if (!path) {
        m_dialogs.beep();
        return;
    }
    m_dialogs.beep();
    if (m_dialogs.messageBox(restoreQuestion(), Buttons::YesNo, Answer::No) != Answer::Yes) return;
    Failure failure = whileBusy(m_dialogs, [&] { return RestoreDataFiles(m_store, *path); });
    if (failure) {
        m_dialogs.messageBox(*failure);
        return;
    }
    m_dialogs.messageBox(restoreDone());
    emit restored();
    close();
}

} // namespace tallyrock
