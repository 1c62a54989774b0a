#include "RoundsArea.h"

#include "services/QtText.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyrock {

RoundsArea::RoundsArea(QWidget* parent) : QWidget(parent) {
    double pt = logicalDpiX() / 72.0;
    auto* lists = new QGridLayout(this);
    lists->setContentsMargins(0, 0, 0, 0);
    lists->setSpacing(0);
    m_names = addList("Picture1", "List1");
    m_rounds = addList("Picture2", "List2");
    m_verticalScroll = new QScrollBar(Qt::Vertical, this);
    m_verticalScroll->setObjectName("VScroll1");
    m_horizontalScroll = new QScrollBar(Qt::Horizontal, this);
    m_horizontalScroll->setObjectName("HScroll1");
    m_horizontalScroll->setFocusPolicy(Qt::StrongFocus);
    m_verticalScroll->setSingleStep(static_cast<int>(12.5 * pt));
    m_verticalScroll->setPageStep(static_cast<int>(75 * pt));
    m_horizontalScroll->setSingleStep(static_cast<int>(25 * pt));
    m_horizontalScroll->setPageStep(static_cast<int>(125 * pt));
    lists->addWidget(m_names.frame, 0, 0);
    lists->addWidget(m_rounds.frame, 0, 1);
    lists->addWidget(m_verticalScroll, 0, 2);
    lists->addWidget(m_horizontalScroll, 1, 0, 1, 2);
    lists->setColumnStretch(1, 1);

    connect(m_verticalScroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_names.list->verticalScrollBar()->setValue(value);
        m_rounds.list->verticalScrollBar()->setValue(value);
    });
    connect(m_horizontalScroll, &QScrollBar::valueChanged, m_rounds.list->horizontalScrollBar(),
            &QScrollBar::setValue);
    for (QListWidget* list : {m_names.list, m_rounds.list}) {
        connect(list->verticalScrollBar(), &QScrollBar::rangeChanged, this, &RoundsArea::updateScrollRanges);
        connect(list->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
                &RoundsArea::updateScrollRanges);
    }
}

RoundsArea::FramedList RoundsArea::addList(const char* frameName, const char* listName) {
    auto* frame = new QFrame(this);
    frame->setObjectName(frameName);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget(frame);
    list->setObjectName(listName);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Round lines are wider than the frame: HScroll1 moves them, nothing is cut short.
    list->setTextElideMode(Qt::ElideNone);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->viewport()->installEventFilter(this);
    inside->addWidget(list);
    return {frame, list};
}

void RoundsArea::setListFont(const QFont& font) {
    m_names.list->setFont(font);
    m_rounds.list->setFont(font);
    m_names.frame->setFixedWidth(QFontMetrics(font).horizontalAdvance(QString(31, 'M')) + 4);
}

void RoundsArea::showLines(const std::vector<std::string>& names, const std::vector<std::string>& rounds) {
    clearLines();
    for (const std::string& name : names)
        m_names.list->addItem(qs(name));
    for (const std::string& line : rounds)
        m_rounds.list->addItem(qs(line));
    updateScrollRanges();
    m_names.list->verticalScrollBar()->setValue(m_verticalScroll->value());
    m_rounds.list->verticalScrollBar()->setValue(m_verticalScroll->value());
    m_rounds.list->horizontalScrollBar()->setValue(m_horizontalScroll->value());
}

void RoundsArea::clearLines() {
    m_names.list->clear();
    m_rounds.list->clear();
}

void RoundsArea::setShown(bool shown) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_verticalScroll, m_horizontalScroll, m_names.frame, m_rounds.frame})
        w->setVisible(shown);
    m_names.frame->setEnabled(shown);
    m_rounds.frame->setEnabled(shown);
    // Hidden, the area gives its room to the panels below it, as an empty layout would.
    setVisible(shown);
}

bool RoundsArea::listsVisibleTo(const QWidget* ancestor) const {
    return m_names.frame->isVisibleTo(ancestor);
}

void RoundsArea::updateScrollRanges() {
    m_verticalScroll->setRange(0, std::max(m_names.list->verticalScrollBar()->maximum(),
                                           m_rounds.list->verticalScrollBar()->maximum()));
    m_horizontalScroll->setRange(0, m_rounds.list->horizontalScrollBar()->maximum());
}

bool RoundsArea::eventFilter(QObject* watched, QEvent* event) {
    for (QListWidget* list : {m_names.list, m_rounds.list}) {
        if (watched != list->viewport()) continue;
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            if (event->type() == QEvent::MouseButtonDblClick) {
                QListWidgetItem* item = list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
                if (item) emit lineActivated(list->row(item));
            }
            list->clearSelection();
            m_horizontalScroll->setFocus();
            return true;
        }
        if (event->type() == QEvent::Wheel) {
            QApplication::sendEvent(m_verticalScroll, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyrock
