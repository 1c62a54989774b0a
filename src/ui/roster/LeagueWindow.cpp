#include "LeagueWindow.h"

#include "TextBoxRule.h"
#include "roster/LeagueOps.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

LeagueWindow::LeagueWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "Createleagueform", "Create League File") {
    m_leagueNameText = namedEdit("Text1", this);
    m_leagueNameText->setMaxLength(30);
    m_leagueNameText->setMinimumWidth(m_leagueNameText->fontMetrics().horizontalAdvance(QString(32, 'n')));
    applyTextRule(m_leagueNameText, leagueNameBoxText);

    QPushButton* createButton =
        actionButton("&Create", "Okbutton", &LeagueWindow::createLeagueFile, "Create a new league file");
    QPushButton* deletebutton =
        actionButton("&Delete", "deletebutton", &LeagueWindow::deleteLeagueFile, "Delete league file");
    QPushButton* Command3d1 = closeButton("Cl&ose", "Command3d1", "Close File create/delete window");
    QPushButton* infobutton = helpButton("&Help", "infobutton", "Help with league files");

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Enter a name for your League file.", this));
    column->addWidget(m_leagueNameText);
    column->addWidget(new QLabel("30 char max, do not include suffix", this));
    column->addSpacing(8);
    column->addLayout(rowOf({createButton, deletebutton, nullptr, infobutton, Command3d1}));

    placeBelowMiddle();
    m_leagueNameText->setFocus();
}

void LeagueWindow::showMessages(const std::vector<Message>& messages) {
    for (const Message& message : messages)
        m_services.dialogs.messageBox(message);
}

void LeagueWindow::createLeagueFile() {
    std::string name = str(m_leagueNameText->text());
    if (name.empty()) {
        m_services.dialogs.beep();
        return;
    }
    LeagueResult result = whileBusy(m_services.dialogs, [&] { return createLeague(m_store, name); });
    if (!result.done) {
        showMessages(result.messages);
        m_leagueNameText->clear();
        m_leagueNameText->setFocus();
        return;
    }
    emit leagueCreated(m_leagueNameText->text(), m_store.settings.LeagueCount);
    showMessages(result.messages);
    close();
}

void LeagueWindow::deleteLeagueFile() {
    std::string name = str(m_leagueNameText->text());
    if (name.empty()) {
        m_services.dialogs.beep();
        return;
    }
    if (Failure refusal = checkLeagueToDelete(m_store.settings, name)) {
        m_services.dialogs.messageBox(*refusal);
        m_leagueNameText->clear();
        return;
    }
    if (m_services.dialogs.messageBox(deleteLeagueQuestion(), Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    int k = findLeague(m_store.settings, name);
    std::string listed = m_store.settings.LeagueList[k];
    LeagueResult result = deleteLeague(m_store, name);
    if (result.done) emit leagueDeleted(qs(listed));
    showMessages(result.messages);
    if (result.fileLeft) {
        // The list no longer holds the name; the window stays open for another try.
        m_leagueNameText->clear();
        return;
    }
    close();
}

} // namespace tallyrock
