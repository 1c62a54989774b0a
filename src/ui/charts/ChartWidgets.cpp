#include "ChartWidgets.h"

#include "services/QtCanvas.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tallyrock {

QLabel* captionPanel(const QString& name, QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMargin(3);
    return label;
}

QLabel* chartPicture(const QString& name, const QtCanvas& canvas, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setFixedSize(canvas.pixmap().size() + QSize(2, 2));
    label->setPixmap(canvas.pixmap());
    return label;
}

QFrame* legendMark(const QString& name, uint32_t rgb, QWidget* parent) {
    auto* mark = new QFrame(parent);
    mark->setObjectName(name);
    mark->setFixedSize(36, 3);
    mark->setAutoFillBackground(true);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::Window, QColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255));
    mark->setPalette(palette);
    return mark;
}

} // namespace tallyrock
