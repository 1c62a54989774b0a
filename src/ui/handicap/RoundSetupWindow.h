#pragma once
// Round set-up (selectplayers): which players took part, on which course and
// on what date; accepting marks the players and hands over to score entry.

#include "ScoreEntryWindow.h"
#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace tallyrock {

class SpinButton;

class RoundSetupWindow : public ToolWindow {
    Q_OBJECT
  public:
    RoundSetupWindow(Store& store, UiServices& services, ScoreEntryAdopter adopt = {},
                     QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void onClosing() override;

  private:
    QGroupBox* buildCourseFrame();
    QGroupBox* buildDateFrame();
    void showOpening();
    void showDate();
    void setyearcaption();
    void allbutton_Click();
    void coursecombo_Change(const QString& text);
    void monthspin_Spin(bool up);
    void Dayspin_Spin(bool up);
    void Yearspin_Spin(bool up);
    void acceptbutton_Click();
    void cancelbutton_Click();

    ScoreEntryAdopter m_adopt;
    bool m_handedOver = false;
    int m_day = 1;
    int m_year = 0;

    QListWidget* m_List1 = nullptr;
    QComboBox* m_coursecombo = nullptr;
    QLabel* m_Monthlabel = nullptr;
    QLabel* m_daylabel = nullptr;
    QLabel* m_yearlabel = nullptr;
    SpinButton* m_Yearspin = nullptr;
};

} // namespace tallyrock
