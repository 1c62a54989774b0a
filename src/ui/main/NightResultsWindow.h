#pragma once
// Results of a Date: the night sheet of the date typed, on screen and printed.
// It changes no data.

#include "services/ToolWindow.h"
#include "store/Store.h"
#include "views/NightResults.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tallyrock {

class NightResultsWindow : public ToolWindow {
    Q_OBJECT
  public:
    NightResultsWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    void showResults();
    void printResults();

    QLineEdit* m_dateBox = nullptr;
    QPlainTextEdit* m_sheetText = nullptr;
    QPushButton* m_printButton = nullptr;
    std::optional<NightSheet> m_sheet; // the sheet shown
};

} // namespace tallyrock
