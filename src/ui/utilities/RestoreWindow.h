#pragma once
// The restore window: chooses a "VEXA Backup" folder, asks before anything is
// replaced, and copies the backed-up data files back into the working
// directory (the files there now are first kept in "Before Restore").

#include "FolderListWindow.h"
#include "utilities/Backup.h"

#include <vector>

namespace tallyrock {

class Dialogs;

inline constexpr const char* RestoreWindowTitle = "Tallyrock  Restore Utility";

class RestoreWindow : public FolderListWindow {
    Q_OBJECT
  public:
    // Looks for backups under the given roots, in their order (the machine's own: systemBackupRoots()).
    RestoreWindow(Store& store, Dialogs& dialogs, const std::vector<BackupRoot>& roots,
                  QWidget* parent = nullptr);

  signals:
    // The files were restored: what the program holds in memory is out of date.
    void restored();
    // The information button: the help window at the backup topic.
    void helpRequested();

  private:
    void addFolder(const std::filesystem::path& folder);
    void addBrowsed(const std::string& folder) override;
    void restoreFromFolder();
};

} // namespace tallyrock
