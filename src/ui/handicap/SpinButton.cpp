#include "SpinButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace tallyrock {

SpinButton::SpinButton(const QString& name, const QString& what, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setAccessibleName(what);
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setObjectName(name + "Up");
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAccessibleName(what + " up");
    m_down = new QToolButton(this);
    m_down->setObjectName(name + "Down");
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAccessibleName(what + " down");
    for (QToolButton* b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setFixedSize(18, 12);
        column->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::spinDown);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Plus:
        emit spinUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Minus:
        emit spinDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// A dotted frame shows where the focus is, as a spin box would show its cursor.
void SpinButton::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SpinButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace tallyrock
