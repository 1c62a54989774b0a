#include "LeagueWindow.h"

#include "TextBoxRule.h"
#include "roster/LeagueOps.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

LeagueWindow::LeagueWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "Createleagueform", "Create League File") {
    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName("Text1");
    m_Text1->setMaxLength(30);
    m_Text1->setMinimumWidth(m_Text1->fontMetrics().horizontalAdvance(QString(32, 'n')));
    applyTextRule(m_Text1, leagueNameBoxText);

    auto* Okbutton = new QPushButton("&Create", this);
    Okbutton->setObjectName("Okbutton");
    Okbutton->setToolTip("Create a new league file");
    auto* deletebutton = new QPushButton("&Delete", this);
    deletebutton->setObjectName("deletebutton");
    deletebutton->setToolTip("Delete league file");
    auto* Command3d1 = new QPushButton("Cl&ose", this);
    Command3d1->setObjectName("Command3d1");
    Command3d1->setToolTip("Close File create/delete window");
    auto* infobutton = new QPushButton("&Help", this);
    infobutton->setObjectName("infobutton");
    infobutton->setToolTip("Help with league files");

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Enter a name for your League file.", this));
    column->addWidget(m_Text1);
    column->addWidget(new QLabel("30 char max, do not include suffix", this));
    column->addSpacing(8);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Okbutton);
    buttons->addWidget(deletebutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(Command3d1);
    column->addLayout(buttons);

    connect(Okbutton, &QPushButton::clicked, this, &LeagueWindow::Okbutton_Click);
    connect(deletebutton, &QPushButton::clicked, this, &LeagueWindow::deletebutton_Click);
    connect(Command3d1, &QPushButton::clicked, this, &QWidget::close);
    connect(infobutton, &QPushButton::clicked, this, &LeagueWindow::helpRequested);

    adjustSize();
    centreBelowMiddle(*this, 90);
    m_Text1->setFocus();
}

void LeagueWindow::showMessages(const std::vector<Message>& messages) {
    for (const Message& message : messages)
        m_services.dialogs.messageBox(message);
}

void LeagueWindow::Okbutton_Click() {
    std::string name = str(m_Text1->text());
    if (name.empty()) {
        m_services.dialogs.beep();
        return;
    }
    LeagueResult result = whileBusy(m_services.dialogs, [&] { return createLeague(m_store, name); });
    if (!result.done) {
        showMessages(result.messages);
        m_Text1->clear();
        m_Text1->setFocus();
        return;
    }
    emit leagueCreated(m_Text1->text(), m_store.settings.LeagueCount);
    showMessages(result.messages);
    close();
}

void LeagueWindow::deletebutton_Click() {
    std::string name = str(m_Text1->text());
    if (name.empty()) {
        m_services.dialogs.beep();
        return;
    }
    if (Failure refusal = checkLeagueToDelete(m_store.settings, name)) {
        m_services.dialogs.messageBox(*refusal);
        m_Text1->clear();
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
        m_Text1->clear();
        return;
    }
    close();
}

} // namespace tallyrock
