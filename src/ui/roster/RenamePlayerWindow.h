#pragma once
// Renaming players (Playernm): the selected player takes the typed name. The
// league file is written when the window closes.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace tallyrock {

class RenamePlayerWindow : public QWidget {
    Q_OBJECT
  public:
    RenamePlayerWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The league file is written and the window has closed.
    void closed();

  protected:
    // A click on the window or on the list's label clears the selection.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void List1_Click();
    void renamebutton_Click();

    Store& m_store;
    UiServices& m_services;
    bool m_closed = false;
    QListWidget* m_List1 = nullptr;
    QLabel* m_Playerlabel = nullptr;
    QLineEdit* m_Text1 = nullptr;
};

} // namespace tallyrock
