#include "EditRoundChooserWindow.h"

#include "ChooserParts.h"
#include "handicap/Choosers.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tallyrock {

EditRoundChooserWindow::EditRoundChooserWindow(Store& store, UiServices& services, ScoreEntryAdopter adopt,
                                               QWidget* parent)
    : ToolWindow(store, services, parent, "GPlayer"), m_adopt(std::move(adopt)) {
    m_message = new QLabel(SelectPlayerText, this);
    m_message->setObjectName("message");
    m_message->setAlignment(Qt::AlignCenter);
    QFont bold = m_message->font();
    bold.setBold(true);
    m_message->setFont(bold);
    ChooserParts parts = buildChooser(*this, m_message, "close player list");
    m_List1 = parts.list;
    connect(parts.accept, &QPushButton::clicked, this, &EditRoundChooserWindow::acceptbutton_Click);
    connect(parts.exit, &QPushButton::clicked, this, &EditRoundChooserWindow::exitbutton_Click);

    openEditRoundChooser(m_store);
    centreBelowMiddle(*this, 90);
    fillChooser(m_List1, chooserNames(m_store.league));
    m_List1->setFocus();
}

void EditRoundChooserWindow::mousePressEvent(QMouseEvent* event) {
    m_List1->clearSelection();
    QWidget::mousePressEvent(event);
}

void EditRoundChooserWindow::acceptbutton_Click() {
    QList<QListWidgetItem*> selected = m_List1->selectedItems();
    if (selected.isEmpty()) {
        m_services.dialogs.beep();
        return;
    }
    if (m_stage == "edit") {
        chooseRoundPlayer(m_store, str(selected.front()->text()));
        m_message->setText(SelectDateText);
        m_stage = "date";
        // Dates, initials and scores stand in columns.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (m_List1->font().pointSizeF() > 0) fixed.setPointSizeF(m_List1->font().pointSizeF());
        m_List1->setFont(fixed);
        fillChooser(m_List1, roundDateLines(m_store, m_store.CurrentPlayer));
        return;
    }
    if (!chooseRoundDate(m_store, m_List1->row(selected.front()))) {
        m_services.dialogs.beep();
        return;
    }
    m_handedOver = true;
    openScoreEntry(m_store, m_services, m_adopt);
    close();
}

void EditRoundChooserWindow::exitbutton_Click() {
    close();
}

void EditRoundChooserWindow::onClosing() {
    m_stage.clear();
    if (!m_handedOver) {
        m_List1->clearSelection();
        exitEditRoundChooser(m_store);
        emit exited();
    }
}

} // namespace tallyrock
