#pragma once
// The program's one HelpViewer: it creates the help window on first use (and
// again after it was closed), shows it beside the window that asked for it
// (the active one) and moves it to the topic asked for.

#include "HelpViewer.h"
#include "HelpWindow.h"

#include <QObject>
#include <QPointer>

namespace tallyrock {

class Dialogs;

class HelpLauncher : public QObject, public HelpViewer {
    Q_OBJECT
  public:
    explicit HelpLauncher(Dialogs& dialogs, HelpWindow::PrinterQuestion askPrinter = {},
                          QtReportPrinter* printouts = nullptr);
    ~HelpLauncher() override;

    void ShowHelpTopic(HelpTopic topic) override;

    // The open help window, or nullptr.
    HelpWindow* window() const { return m_window; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void stayUsableBeside(QWidget* modal);
    void leaveModal();

    Dialogs& m_dialogs;
    HelpWindow::PrinterQuestion m_askPrinter;
    QtReportPrinter* m_printouts = nullptr;
    QPointer<HelpWindow> m_window;
    QPointer<QWidget> m_modal; // the modal window the help window is lent to
};

} // namespace tallyrock
