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
    m_namesCheck = new QCheckBox("List Team member names ", this);
    m_namesCheck->setObjectName("Namescheck");
    auto* frame = new QGroupBox("Report Types", this);
    auto* option0 = new QRadioButton("Include all Team events", frame);
    option0->setObjectName("Option1_0");
    option0->setChecked(true);
    m_lastOnlyOption = new QRadioButton("Print each Teams last event only", frame);
    m_lastOnlyOption->setObjectName("Option1_1");
    auto* options = new QVBoxLayout(frame);
    options->addWidget(option0);
    options->addWidget(m_lastOnlyOption);
    QPushButton* printbutton = actionButton("&Print", "Printbutton", &TeamSummaryWindow::printSummary);
    QPushButton* printsetupbutton =
        actionButton("Printer &Setup", "Printsetupbutton", &TeamSummaryWindow::setUpPrinter);
    QPushButton* donebutton = closeButton("&Done", "Donebutton");
    QPushButton* infobutton = helpButton("Info", "Infobutton");

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_namesCheck);
    column->addWidget(frame);
    column->addLayout(rowOf({printbutton, printsetupbutton, infobutton, donebutton}));
    placeBelowMiddle();
}

void TeamSummaryWindow::printSummary() {
    TeamSummaryOptions options;
    options.names = m_namesCheck->isChecked();
    options.lastOnly = m_lastOnlyOption->isChecked();
    BusyPointer busy(m_services.dialogs);
    printTeamSummary(m_services.printer, m_store, options, m_services.clock.today());
}

void TeamSummaryWindow::setUpPrinter() {
    showPrinterSetup(m_services);
}

} // namespace tallyrock
