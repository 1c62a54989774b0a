#pragma once
// What every window the main window opens shares: the store and the services
// it works on, the closed() and helpRequested() signals, and one close. The
// first close runs the window's closing work (what it keeps or saves), then
// tells the main window; a second close does nothing more.

#include "services/UiServices.h"
#include "store/Store.h"

#include "services/NamedControls.h"

#include <QPushButton>
#include <QWidget>

#include <functional>

namespace tallyrock {

class ToolWindow : public QWidget {
    Q_OBJECT
  public:
    // A top-level window, deleted when closed.
    ToolWindow(Store& store, UiServices& services, QWidget* parent);
    // The same, named for tests and with its title (none where `title` is null).
    ToolWindow(Store& store, UiServices& services, QWidget* parent, const QString& objectName,
               const QString& title = {});

  signals:
    // The window has closed: the main window enables itself again.
    void closed();
    // The window's information button: the help window at the window's topic.
    void helpRequested();

  protected:
    // The window's own closing work, run once, before closed() is emitted.
    virtual void onClosing() {}
    void closeEvent(QCloseEvent* event) override;

    // A named button whose click runs `slot` of the window.
    template <typename Window>
    QPushButton* actionButton(const QString& caption, const QString& objectName, void (Window::*slot)(),
                              const QString& toolTip = {}) {
        QPushButton* button = namedButton(caption, objectName, toolTip, this);
        connect(button, &QPushButton::clicked, static_cast<Window*>(this), slot);
        return button;
    }
    // A named button whose click runs `run`.
    QPushButton* actionButton(const QString& caption, const QString& objectName,
                              const std::function<void()>& run, const QString& toolTip = {});
    // A named button that closes the window.
    QPushButton* closeButton(const QString& caption, const QString& objectName, const QString& toolTip = {});
    // A named button that asks for the window's help topic.
    QPushButton* helpButton(const QString& caption, const QString& objectName, const QString& toolTip = {});
    // Fits the window to its contents and centres it a little below the middle
    // of the screen, where the program's small windows open.
    void placeBelowMiddle();

    Store& m_store;
    UiServices& m_services;

  private:
    bool m_closed = false;
};

} // namespace tallyrock
