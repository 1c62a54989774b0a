#include "TeamSummaryWindow.h"

#include "services/BusyPointer.h"
#include "services/PrinterSetup.h"
#include "teams/TeamSummary.h"
#include "utilities/ScreenPlacement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyrock {

TeamSummaryWindow::TeamSummaryWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "PrintTeamform", "Team Report Printing Options") {
    m_Namescheck = new QCheckBox("List Team member names ", this);
    m_Namescheck->setObjectName("Namescheck");
    auto* frame = new QGroupBox("Report Types", this);
    auto* option0 = new QRadioButton("Include all Team events", frame);
    option0->setObjectName("Option1_0");
    option0->setChecked(true);
    m_Option1_1 = new QRadioButton("Print each Teams last event only", frame);
    m_Option1_1->setObjectName("Option1_1");
    auto* options = new QVBoxLayout(frame);
    options->addWidget(option0);
    options->addWidget(m_Option1_1);
    QPushButton* printbutton = namedButton("&Print", "Printbutton", this);
    QPushButton* printsetupbutton = namedButton("Printer &Setup", "Printsetupbutton", this);
    QPushButton* donebutton = namedButton("&Done", "Donebutton", this);
    QPushButton* infobutton = namedButton("Info", "Infobutton", this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_Namescheck);
    column->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {printbutton, printsetupbutton, infobutton, donebutton})
        buttons->addWidget(b);
    column->addLayout(buttons);

    connect(printbutton, &QPushButton::clicked, this, &TeamSummaryWindow::Printbutton_Click);
    connect(printsetupbutton, &QPushButton::clicked, this, &TeamSummaryWindow::Printsetupbutton_Click);
    connect(donebutton, &QPushButton::clicked, this, &TeamSummaryWindow::Donebutton_Click);
    connect(infobutton, &QPushButton::clicked, this, &TeamSummaryWindow::helpRequested);
    adjustSize();
    centreBelowMiddle(*this, 90);
}

void TeamSummaryWindow::Printbutton_Click() {
    TeamSummaryOptions options;
    options.names = m_Namescheck->isChecked();
    options.lastOnly = m_Option1_1->isChecked();
    BusyPointer busy(m_services.dialogs);
    printTeamSummary(m_services.printer, m_store, options, m_services.clock.today());
}

void TeamSummaryWindow::Printsetupbutton_Click() {
    showPrinterSetup(m_services);
}

void TeamSummaryWindow::Donebutton_Click() {
    close();
}

} // namespace tallyrock
