#pragma once
// Removing players (RMplayer): the selected player goes with all of his or her
// rounds, and every later player moves up one slot. The files are written when
// the window closes.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace tallyrock {

class RemovePlayerWindow : public QWidget {
    Q_OBJECT
  public:
    RemovePlayerWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The files are written and the window has closed.
    void closed();
    // The information button: the help window at the topic on players.
    void helpRequested();

  protected:
    // A click on the window or on the list's label clears the selection.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void removebutton_Click();

    Store& m_store;
    UiServices& m_services;
    bool m_closed = false;
    QListWidget* m_List1 = nullptr;
    QLabel* m_Playerlabel = nullptr;
};

} // namespace tallyrock
