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

void EditRoundChooserWindow::acceptChoice() {
    QListWidgetItem* chosen = chosenEntry(m_choiceList, m_services.dialogs);
    if (!chosen) return;
    if (m_stage == "edit") {
        chooseRoundPlayer(m_store, str(chosen->text()));
        m_message->setText(SelectDateText);
        m_stage = "date";
        // Dates, initials and scores stand in columns.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (m_choiceList->font().pointSizeF() > 0) fixed.setPointSizeF(m_choiceList->font().pointSizeF());
        m_choiceList->setFont(fixed);
        fillChooser(m_choiceList, roundDateLines(m_store, m_store.CurrentPlayer));
        return;
    }
    if (!chooseRoundDate(m_store, m_choiceList->row(chosen))) {
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
        m_choiceList->clearSelection();
        exitEditRoundChooser(m_store);
        emit exited();
    }
}

} // namespace tallyrock
