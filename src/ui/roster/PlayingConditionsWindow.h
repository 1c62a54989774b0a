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
    void savebutton_Click();

    QComboBox* m_coursecombo = nullptr;
    QLineEdit* m_datetext = nullptr;
    QSpinBox* m_pccspin = nullptr;
};

} // namespace tallyrock
