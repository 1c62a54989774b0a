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
    void Kindbox_Changed(int index);
    void Exportbutton_Click();

    QComboBox* m_Kindbox = nullptr;
    QLabel* m_Datelabel = nullptr;
    QLineEdit* m_Datebox = nullptr;
    QLabel* m_Playerlabel = nullptr;
    QComboBox* m_Playerbox = nullptr;
    QLabel* m_Statuslabel = nullptr;
};

} // namespace tallyrock
