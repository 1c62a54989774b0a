#pragma once
// What every window the main window opens shares: the store and the services
// it works on, the closed() and helpRequested() signals, and one close. The
// first close runs the window's closing work (what it keeps or saves), then
// tells the main window; a second close does nothing more.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QPushButton;

namespace tallyrock {

// A push button with its caption and the name tests and screen readers find it by.
QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent);

class ToolWindow : public QWidget {
    Q_OBJECT
  public:
    // A top-level window, deleted when closed.
    ToolWindow(Store& store, UiServices& services, QWidget* parent);

  signals:
    // The window has closed: the main window enables itself again.
    void closed();
    // The window's information button: the help window at the window's topic.
    void helpRequested();

  protected:
    // The window's own closing work, run once, before closed() is emitted.
    virtual void onClosing() {}
    void closeEvent(QCloseEvent* event) override;

    Store& m_store;
    UiServices& m_services;

  private:
    bool m_closed = false;
};

} // namespace tallyrock
