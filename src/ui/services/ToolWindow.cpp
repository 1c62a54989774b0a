#include "ToolWindow.h"

#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tallyrock {

QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

QPushButton* namedButton(const QString& caption, const QString& objectName, const QString& toolTip,
                         QWidget* parent) {
    QPushButton* button = namedButton(caption, objectName, parent);
    if (!toolTip.isEmpty()) button->setToolTip(toolTip);
    return button;
}

QLineEdit* namedEdit(const QString& objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    return box;
}

QHBoxLayout* rowOf(std::initializer_list<QWidget*> controls) {
    auto* row = new QHBoxLayout;
    for (QWidget* control : controls) {
        if (control)
            row->addWidget(control);
        else
            row->addStretch(1);
    }
    return row;
}

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
