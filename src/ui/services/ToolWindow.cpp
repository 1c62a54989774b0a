#include "ToolWindow.h"

#include <QCloseEvent>
#include <QPushButton>

namespace tallyrock {

QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

ToolWindow::ToolWindow(Store& store, UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        onClosing();
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
