#pragma once
// Score entry (roundsform, "Enter Scores"): the hole scores of one round per
// marked player, recorded with the handicap calculation, one player after the
// other; or one stored round corrected or deleted (EditSlot >= 1). Built for
// typing: a single digit 2..9 completes a hole and moves on, "1" waits for a
// second digit, Enter moves on, and every button has its Alt key.

#include "handicap/RoundRecorder.h"
#include "handicap/ScoreEntryRules.h"
#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace tallyrock {

class ScoreEntryWindow : public ToolWindow {
    Q_OBJECT
  public:
    // Opens on the first marked player, for the course and date of the shared values.
    ScoreEntryWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

    // A stored round is being corrected (the help window shows that topic).
    bool editing() const { return m_editing; }
    // The calculation panel is shown.
    bool panelShown() const { return m_calcShown; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void onClosing() override;

  private:
    void buildNameLabels();
    QWidget* buildGrid();
    QGroupBox* buildTeeFrame();
    QGridLayout* buildButtons();
    void buildTimers();
    void connectHoleBoxes();
    void showOpeningRound();
    void showPlayer();
    void focusHole(int hole);
    void backToHole1();
    HoleBoxes holeTexts() const;
    void setHoleText(int hole, const std::string& text);
    int shownTee() const;
    bool AdvanceToNextPlayer();
    void FinishEntry();

    // Handlers, named after their controls.
    void scoretext_Change(int hole, bool typed);
    void totals_Change();
    void recordbutton_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void skipbutton_Click();
    void deletebutton_Click();
    void cancelbutton_Click();
    void toggleCalculation();

    RoundRecorder m_recorder;
    bool m_editing = false;
    bool m_calcShown = false;
    int m_narrowWidth = 0;

    std::array<QLineEdit*, 19> m_scoretext{};
    std::array<QLineEdit*, 19> m_Partext{};
    QLineEdit* m_outscoretext = nullptr;
    QLineEdit* m_inscoretext = nullptr;
    QLabel* m_Totalscorelabel = nullptr;
    QLabel* m_Outlabel = nullptr;
    QLabel* m_Inlabel = nullptr;
    QLabel* m_TotalLabel = nullptr;
    QLabel* m_Namelabel = nullptr;
    QLabel* m_Pnamelabel = nullptr;
    QLabel* m_eqlabel = nullptr;
    QButtonGroup* m_teebutton = nullptr;
    QListWidget* m_calcPanel = nullptr;
    QPushButton* m_recordbutton = nullptr;
    QPushButton* m_skipbutton = nullptr;
    QPushButton* m_deletebutton = nullptr;
    QTimer* m_Timer1 = nullptr;
    QTimer* m_Timer2 = nullptr;
};

// Told of the score-entry window that round set-up or the edit-round chooser
// opens, before it is shown, so the main window can stay disabled and wire it.
using ScoreEntryAdopter = std::function<void(ScoreEntryWindow*)>;

// Opens and shows score entry for the shared values as they are now.
ScoreEntryWindow* openScoreEntry(Store& store, UiServices& services, const ScoreEntryAdopter& adopt);

} // namespace tallyrock
