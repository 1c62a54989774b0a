#pragma once
// The Playing Conditions window (Course Mgt. menu): the World Handicap
// System's playing conditions calculation (PCC) of a course on a date, from -1
// to 3, set before the day's rounds are entered.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace tallyrock {

class PlayingConditionsWindow : public ToolWindow {
    Q_OBJECT
  public:
    PlayingConditionsWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    // The course chosen, 0 for none.
    int course() const;
    // The value stored for the course and date shown.
    void showStored();
    void savePcc();

    QComboBox* m_courseCombo = nullptr;
    QLineEdit* m_dateText = nullptr;
    QSpinBox* m_pccSpin = nullptr;
};

} // namespace tallyrock
