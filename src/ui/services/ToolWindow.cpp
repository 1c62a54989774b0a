#include "ToolWindow.h"

#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QPushButton>

namespace tallyrock {

ToolWindow::ToolWindow(Store& store, UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services) {
    setAttribute(Qt::WA_DeleteOnClose);
}

ToolWindow::ToolWindow(Store& store, UiServices& services, QWidget* parent, const QString& objectName,
                       const QString& title)
    : ToolWindow(store, services, parent) {
    setObjectName(objectName);
    if (!title.isNull()) setWindowTitle(title);
}

QPushButton* ToolWindow::actionButton(const QString& caption, const QString& objectName,
                                      const std::function<void()>& run, const QString& toolTip) {
    QPushButton* button = namedButton(caption, objectName, toolTip, this);
    connect(button, &QPushButton::clicked, this, run);
    return button;
}

QPushButton* ToolWindow::closeButton(const QString& caption, const QString& objectName,
                                     const QString& toolTip) {
    QPushButton* button = namedButton(caption, objectName, toolTip, this);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}

QPushButton* ToolWindow::helpButton(const QString& caption, const QString& objectName,
                                    const QString& toolTip) {
    QPushButton* button = namedButton(caption, objectName, toolTip, this);
    connect(button, &QPushButton::clicked, this, &ToolWindow::helpRequested);
    return button;
}

void ToolWindow::placeBelowMiddle() {
    adjustSize();
    centreBelowMiddle(*this, 90);
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
