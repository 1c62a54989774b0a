#pragma once
// The handicap worksheet of one player as of a date: the rounds the index was
// worked out from, the arithmetic, the index history and the course
// handicaps, as the core builds them. Prints through the report printer and
// copies the text. It changes no data.

#include "services/Clock.h"
#include "services/ToolWindow.h"

#include <optional>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;

namespace tallyrock {

class WorksheetWindow : public ToolWindow {
    Q_OBJECT
  public:
    // Player p (any player of the league when p is not one), as of `asOf` (default: today).
    WorksheetWindow(Store& store, UiServices& services, int p, std::optional<Date> asOf = std::nullopt,
                    QWidget* parent = nullptr);

  private:
    void showWorksheet();
    int chosenPlayer() const;
    Date chosenDate() const;
    void printWorksheet();
    void copyWorksheet();

    QComboBox* m_playerCombo = nullptr;
    QDateEdit* m_asOfDate = nullptr;
    QPlainTextEdit* m_worksheetText = nullptr;
};

} // namespace tallyrock
