#include "CsvExportWindow.h"

#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"
#include "views/CsvExport.h"
#include "views/NightResults.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

CsvExportWindow::CsvExportWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "csvexportform", "Export as CSV") {
    m_Kindbox = new QComboBox(this);
    m_Kindbox->setObjectName("Kindbox");
    for (const ExportKind& kind : exportKinds())
        m_Kindbox->addItem(qs(kind.title));
    m_Datelabel = new QLabel("&Date (MM/DD/YY):", this);
    m_Datebox = new QLineEdit(qs(latestRoundDateText(m_store)), this);
    m_Datebox->setObjectName("Datebox");
    m_Datelabel->setBuddy(m_Datebox);
    m_Playerlabel = new QLabel("&Player:", this);
    m_Playerbox = new QComboBox(this);
    m_Playerbox->setObjectName("Playerbox");
    m_Playerlabel->setBuddy(m_Playerbox);
    for (int p = 1; p <= m_store.league.PlayerCount && p <= MaxPlayers; ++p)
        m_Playerbox->addItem(qs(m_store.player(p).PlayerName));
    m_Statuslabel = new QLabel(this);
    m_Statuslabel->setObjectName("Statuslabel");
    QPushButton* exportbutton =
        actionButton("&Export...", "Exportbutton", &CsvExportWindow::Exportbutton_Click);
    QPushButton* donebutton = closeButton("D&one", "Donebutton");

    auto* form = new QFormLayout;
    form->addRow("&Kind:", m_Kindbox);
    form->addRow(m_Datelabel, m_Datebox);
    form->addRow(m_Playerlabel, m_Playerbox);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_Statuslabel);
    column->addLayout(rowOf({nullptr, exportbutton, donebutton}));

    connect(m_Kindbox, &QComboBox::currentIndexChanged, this, &CsvExportWindow::Kindbox_Changed);
    Kindbox_Changed(m_Kindbox->currentIndex());
    centreBelowMiddle(*this, 100);
}

void CsvExportWindow::Kindbox_Changed(int index) {
    const ExportArgument argument = exportKinds().at(static_cast<std::size_t>(index)).argument;
    for (QWidget* w : {static_cast<QWidget*>(m_Datelabel), static_cast<QWidget*>(m_Datebox)})
        w->setVisible(argument == ExportArgument::Date);
    for (QWidget* w : {static_cast<QWidget*>(m_Playerlabel), static_cast<QWidget*>(m_Playerbox)})
        w->setVisible(argument == ExportArgument::Player);
    m_Statuslabel->clear();
}

void CsvExportWindow::Exportbutton_Click() {
    const ExportKind& kind = exportKinds().at(static_cast<std::size_t>(m_Kindbox->currentIndex()));
    std::string argument = kind.argument == ExportArgument::Date     ? str(m_Datebox->text())
                           : kind.argument == ExportArgument::Player ? str(m_Playerbox->currentText())
                                                                     : std::string();
    m_Statuslabel->clear();
    ExportRows rows = whileBusy(m_services.dialogs, [&] {
        return kind.rows({m_store, argument, m_services.clock.today()});
    });
    if (rows.refusal) {
        m_services.dialogs.messageBox(*rows.refusal);
        return;
    }
    std::optional<std::string> chosen = m_services.dialogs.saveFileName(
        "Export as CSV", m_store.workDir.string(), std::string(kind.name) + ".csv", "CSV Files (*.csv)");
    if (!chosen) return;
    ExportTarget target = exportTarget(m_store.workDir, *chosen);
    Failure failure = target.refusal;
    if (!failure)
        failure =
            whileBusy(m_services.dialogs, [&] { return writeCsvExport(m_store, *target.file, rows.rows); });
    if (failure) {
        m_services.dialogs.messageBox(*failure);
        return;
    }
    m_Statuslabel->setText(QString("%1 records written to %2")
                               .arg(rows.rows.size() - 1)
                               .arg(qs(target.file->filename().string())));
}

} // namespace tallyrock
