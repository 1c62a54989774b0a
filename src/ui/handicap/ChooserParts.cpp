#include "ChooserParts.h"

#include "handicap/Choosers.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

ChooserParts buildChooser(QWidget& window, QWidget* caption, const QString& exitTip) {
    ChooserParts parts;
    window.setWindowTitle(ChooserTitle);
    parts.list = new QListWidget(&window);
    parts.list->setObjectName("List1");
    parts.list->setSelectionMode(QAbstractItemView::SingleSelection);
    parts.accept = new QPushButton("&Accept", &window);
    parts.accept->setObjectName("acceptbutton");
    parts.accept->setToolTip("Accept highlighted name");
    parts.exit = new QPushButton("E&xit", &window);
    parts.exit->setObjectName("exitbutton");
    parts.exit->setToolTip(exitTip);
    for (QPushButton* b : {parts.accept, parts.exit})
        b->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(parts.accept);
    buttons->addWidget(parts.exit);
    auto* column = new QVBoxLayout(&window);
    column->addWidget(caption);
    column->addWidget(parts.list, 1);
    column->addLayout(buttons);
    window.resize(300, 420);
    // Enter on an entry and a double click both come as an activation: that
    // entry is chosen and accepted.
    QListWidget* list = parts.list;
    QPushButton* accept = parts.accept;
    QObject::connect(list, &QListWidget::activated, accept, [list, accept](const QModelIndex& index) {
        list->setCurrentIndex(index);
        accept->click();
    });
    return parts;
}

void fillChooser(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines)
        list->addItem(qs(line));
}

QListWidgetItem* chosenEntry(const QListWidget* list, Dialogs& dialogs) {
    QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        dialogs.beep();
        return nullptr;
    }
    return selected.front();
}

void ChooserWindow::buildChooserWindow(QWidget* caption, const QString& exitTip) {
    ChooserParts parts = buildChooser(*this, caption, exitTip);
    m_choiceList = parts.list;
    connect(parts.accept, &QPushButton::clicked, this, &ChooserWindow::acceptChoice);
    connect(parts.exit, &QPushButton::clicked, this, &QWidget::close);
}

void ChooserWindow::showPlayers() {
    centreBelowMiddle(*this, 90);
    fillChooser(m_choiceList, chooserNames(m_store.league));
    m_choiceList->setFocus();
}

void ChooserWindow::mousePressEvent(QMouseEvent* event) {
    m_choiceList->clearSelection();
    QWidget::mousePressEvent(event);
}

} // namespace tallyrock
