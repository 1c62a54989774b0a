#include "EditRoundChooserWindow.h"

#include "ChooserParts.h"
#include "handicap/Choosers.h"
#include "services/QtText.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tallyrock {

EditRoundChooserWindow::EditRoundChooserWindow(Store& store, UiServices& services, ScoreEntryAdopter adopt,
                                               QWidget* parent)
    : ChooserWindow(store, services, parent, "GPlayer"), m_adopt(std::move(adopt)) {
    m_message = new QLabel(SelectPlayerText, this);
    m_message->setObjectName("message");
    m_message->setAlignment(Qt::AlignCenter);
    makeBold(m_message);
    buildChooserWindow(m_message, "close player list");

    openEditRoundChooser(m_store);
    showPlayers();
}

void EditRoundChooserWindow::acceptbutton_Click() {
    QListWidgetItem* chosen = chosenEntry(m_List1, m_services.dialogs);
    if (!chosen) return;
    if (m_stage == "edit") {
        chooseRoundPlayer(m_store, str(chosen->text()));
        m_message->setText(SelectDateText);
        m_stage = "date";
        // Dates, initials and scores stand in columns.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (m_List1->font().pointSizeF() > 0) fixed.setPointSizeF(m_List1->font().pointSizeF());
        m_List1->setFont(fixed);
        fillChooser(m_List1, roundDateLines(m_store, m_store.CurrentPlayer));
        return;
    }
    if (!chooseRoundDate(m_store, m_List1->row(chosen))) {
        m_services.dialogs.beep();
        return;
    }
    m_handedOver = true;
    openScoreEntry(m_store, m_services, m_adopt);
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
