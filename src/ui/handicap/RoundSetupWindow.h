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
    void setYearCaption();
    void selectAllPlayers();
    void chooseCourse(const QString& text);
    void stepMonth(bool up);
    void stepDay(bool up);
    void stepYear(bool up);
    void acceptSetup();
    void cancelSetup();

    ScoreEntryAdopter m_adopt;
    bool m_handedOver = false;

    QListWidget* m_playerList = nullptr;
    QComboBox* m_courseCombo = nullptr;
    // The round's date: the month is the store's, the day and the year are this window's until accepted.
    QLabel* m_monthLabel = nullptr;
    QLabel* m_dayLabel = nullptr;
    QLabel* m_yearLabel = nullptr;
    SpinButton* m_yearSpin = nullptr;
    int m_day = 1;
    int m_year = 0;
};

} // namespace tallyrock
