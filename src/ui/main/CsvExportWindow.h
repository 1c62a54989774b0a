#pragma once
// Export as CSV: one of the export kinds, with its date or player when it
// takes one, written to a file chosen in the save dialog inside the data
// folder. It changes no data file.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QComboBox;
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

    QComboBox* m_kindBox = nullptr;
    QLabel* m_dateLabel = nullptr;
    QLineEdit* m_dateBox = nullptr;
    QLabel* m_playerLabel = nullptr;
    QComboBox* m_playerBox = nullptr;
    QLabel* m_statusLabel = nullptr;
};

} // namespace tallyrock
