#include "NamedControls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

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

QGroupBox* namedGroup(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(objectName);
    return group;
}

QLabel* namedLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
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

QPlainTextEdit* reportSheet(const QString& objectName, const QFont& font, QWidget* parent) {
    auto* sheet = new QPlainTextEdit(parent);
    sheet->setObjectName(objectName);
    sheet->setReadOnly(true);
    sheet->setLineWrapMode(QPlainTextEdit::NoWrap);
    sheet->setFont(font);
    return sheet;
}

QTimer* namedTimer(const QString& objectName, int intervalMs, QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(objectName);
    timer->setInterval(intervalMs);
    return timer;
}

void sinkPanel(QFrame* frame) {
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
}

void makeBold(QWidget* control) {
    QFont bold = control->font();
    bold.setBold(true);
    control->setFont(bold);
}

} // namespace tallyrock
