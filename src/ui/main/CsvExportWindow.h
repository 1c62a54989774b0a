#pragma once
// Export as CSV: one of the export kinds, with its date or player when it
// takes one, written to a file chosen in the save dialog inside the data
// folder. It changes no data file.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace tallyrock {

class CsvExportWindow : public ToolWindow {
    Q_OBJECT
  public:
    CsvExportWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    void showKindArguments(int index);
    void exportCsv();

    // The date and player rows show only for the kinds that take them.
    QFormLayout* m_form = nullptr;
    QComboBox* m_kindBox = nullptr;
    QLineEdit* m_dateBox = nullptr;
    QComboBox* m_playerBox = nullptr;
    QLabel* m_statusLabel = nullptr;
};

} // namespace tallyrock
