#pragma once
// The backup window (Backupform): copies the data files into "VEXA Backup" in
// the chosen place: a mounted removable drive, the home folder, or a folder
// browsed for. It closes itself two seconds after a successful backup.

#include "FolderListWindow.h"
#include "utilities/Backup.h"

#include <vector>

class QPushButton;
class QTimer;

namespace tallyrock {

class Dialogs;

inline constexpr const char* BackupWindowTitle = "Tallyrock  Backup Utility";

class BackupWindow : public FolderListWindow {
    Q_OBJECT
  public:
    // Offers the given destination roots, in their order (the machine's own: systemBackupRoots()).
    BackupWindow(Store& store, Dialogs& dialogs, const std::vector<BackupRoot>& roots,
                 QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void addRoot(const BackupRoot& root);
    void addBrowsed(const std::string& folder) override;
    void copyToFolder();
    void finishBackup();

    QPushButton* m_copyButton = nullptr;
    QTimer* m_closeTimer = nullptr;
};

} // namespace tallyrock
