#include "HelpLauncher.h"

#include "ScreenPlacement.h"

#include <QApplication>
#include <QEvent>

namespace tallyrock {

HelpLauncher::HelpLauncher(Dialogs& dialogs, HelpWindow::PrinterQuestion askPrinter,
                           QtReportPrinter* printouts)
    : m_dialogs(dialogs), m_askPrinter(std::move(askPrinter)), m_printouts(printouts) {}

HelpLauncher::~HelpLauncher() {
    delete m_window.data();
}

void HelpLauncher::ShowHelpTopic(HelpTopic topic) {
    QWidget* asking = QApplication::activeWindow();
    if (!m_window) {
        m_window = new HelpWindow(m_dialogs, m_askPrinter, m_printouts);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (asking == m_window) asking = nullptr;
    // The help opens beside the window it explains, and moves aside when it covers it.
    bool opening = !m_window->isVisible();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != m_window)
        stayUsableBeside(modal);
    m_window->setEnabled(true);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (asking && (opening || m_window->frameGeometry().intersects(asking->frameGeometry())))
        placeBeside(*m_window, *asking);
    m_window->repaint();
    m_window->showTopic(topic);
}

// A window that blocks the others (a modal one) would block the help window
// too; lent to it as one of its own windows, the help window stays usable.
void HelpLauncher::stayUsableBeside(QWidget* modal) {
    if (m_window->parentWidget() == modal) return;
    leaveModal();
    QRect geometry = m_window->geometry();
    bool wasVisible = m_window->isVisible();
    m_window->setParent(modal, Qt::Window);
    if (wasVisible) m_window->setGeometry(geometry);
    m_modal = modal;
    modal->installEventFilter(this);
}

// Given back before the modal window goes, so it does not take the help window with it.
void HelpLauncher::leaveModal() {
    if (m_modal) m_modal->removeEventFilter(this);
    m_modal = nullptr;
    if (!m_window || !m_window->parentWidget()) return;
    QRect geometry = m_window->geometry();
    bool wasVisible = m_window->isVisible();
    m_window->setParent(nullptr, Qt::Window);
    m_window->setGeometry(geometry);
    if (wasVisible) m_window->show();
}

bool HelpLauncher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_modal && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) leaveModal();
    return QObject::eventFilter(watched, event);
}

} // namespace tallyrock
