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
    m_kindBox = new QComboBox(this);
    m_kindBox->setObjectName("Kindbox");
    for (const ExportKind& kind : exportKinds())
        m_kindBox->addItem(qs(kind.title));
    m_dateBox = new QLineEdit(qs(latestRoundDateText(m_store)), this);
    m_dateBox->setObjectName("Datebox");
    m_playerBox = new QComboBox(this);
    m_playerBox->setObjectName("Playerbox");
    for (int p = 1; p <= m_store.league.PlayerCount && p <= MaxPlayers; ++p)
        m_playerBox->addItem(qs(m_store.player(p).PlayerName));
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName("Statuslabel");
    QPushButton* exportbutton = actionButton("&Export...", "Exportbutton", &CsvExportWindow::exportCsv);
    QPushButton* donebutton = closeButton("D&one", "Donebutton");

    m_form = new QFormLayout;
    m_form->addRow("&Kind:", m_kindBox);
    m_form->addRow("&Date (MM/DD/YY):", m_dateBox);
    m_form->addRow("&Player:", m_playerBox);
    auto* column = new QVBoxLayout(this);
    column->addLayout(m_form);
    column->addWidget(m_statusLabel);
    column->addLayout(rowOf({nullptr, exportbutton, donebutton}));

    connect(m_kindBox, &QComboBox::currentIndexChanged, this, &CsvExportWindow::showKindArguments);
    showKindArguments(m_kindBox->currentIndex());
    centreBelowMiddle(*this, 100);
}

void CsvExportWindow::showKindArguments(int index) {
    const ExportArgument argument = exportKinds().at(static_cast<std::size_t>(index)).argument;
    m_form->setRowVisible(m_dateBox, argument == ExportArgument::Date);
    m_form->setRowVisible(m_playerBox, argument == ExportArgument::Player);
    m_statusLabel->clear();
}

void CsvExportWindow::exportCsv() {
    const ExportKind& kind = exportKinds().at(static_cast<std::size_t>(m_kindBox->currentIndex()));
    std::string argument = kind.argument == ExportArgument::Date     ? str(m_dateBox->text())
                           : kind.argument == ExportArgument::Player ? str(m_playerBox->currentText())
                                                                     : std::string();
    m_statusLabel->clear();
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
    m_statusLabel->setText(QString("%1 records written to %2")
                               .arg(rows.rows.size() - 1)
                               .arg(qs(target.file->filename().string())));
}

} // namespace tallyrock
