#pragma once
// What the backup and restore windows share: lines of explanation, a framed
// list of places with a Browse button, a row of buttons that ends with the
// close button, the focus on the list once the window is up, and closed().

#include "store/Store.h"

#include <QWidget>

#include <initializer_list>
#include <optional>
#include <string>

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace tallyrock {

class Dialogs;

class FolderListWindow : public QWidget {
    Q_OBJECT
  signals:
    void closed();

  protected:
    FolderListWindow(Store& store, Dialogs& dialogs, QWidget* parent, const QString& objectName,
                     const QString& title);

    // The explanation, then the frame (named where `frameName` is not empty)
    // holding the list and the Browse button. Browse asks for a folder under
    // `browseCaption`, from the place selected, and adds what addBrowsed() makes of it.
    void buildFolderList(std::initializer_list<const char*> lines, const QString& frameCaption,
                         const QString& frameName, const QString& listName, const QString& browseTip,
                         const std::string& browseCaption);
    // The row under the frame: `action` takes the spare width, then `extra`
    // (none where null), then the close button with its tip.
    void buildButtonRow(QWidget* action, QWidget* extra, const QString& closeTip);
    // Selects the first place, if any, and gives the list the focus once the window is up.
    void startOnFirstPlace();
    // Lists a place under its label.
    void addPlace(const QString& label, const std::string& path);
    // The path of the place selected; none where nothing is.
    std::optional<std::string> currentPath() const;
    void closeEvent(QCloseEvent* event) override;
    // Lists the place the user browsed to.
    virtual void addBrowsed(const std::string& folder) = 0;

    Store& m_store;
    Dialogs& m_dialogs;
    QVBoxLayout* m_layout = nullptr;
    QListWidget* m_list = nullptr;

  private:
    void browseForFolder();

    std::string m_browseCaption;
};

} // namespace tallyrock
