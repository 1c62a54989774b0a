#include "TeamSummaryWindow.h"

#include "services/BusyPointer.h"
#include "services/PrinterSetup.h"
#include "teams/TeamSummary.h"

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
    QPushButton* printbutton = actionButton("&Print", "Printbutton", &TeamSummaryWindow::Printbutton_Click);
    QPushButton* printsetupbutton =
        actionButton("Printer &Setup", "Printsetupbutton", &TeamSummaryWindow::Printsetupbutton_Click);
    QPushButton* donebutton = closeButton("&Done", "Donebutton");
    QPushButton* infobutton = helpButton("Info", "Infobutton");

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_Namescheck);
    column->addWidget(frame);
    column->addLayout(rowOf({printbutton, printsetupbutton, infobutton, donebutton}));
    placeBelowMiddle();
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

} // namespace tallyrock
