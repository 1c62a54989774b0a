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

    // What the controls and timers do.
    void takeHoleScore(int hole, bool typed);
    void showTotalScore();
    void checkAndRecord();
    void recordRound();
    void focusFirstHole();
    void skipPlayer();
    void confirmDeleteRound();
    void cancelEntry();
    void toggleCalculation();

    RoundRecorder m_recorder;
    bool m_editing = false;
    bool m_calcShown = false;
    int m_narrowWidth = 0;

    std::array<QLineEdit*, 19> m_scoreText{};
    std::array<QLineEdit*, 19> m_parText{};
    QLineEdit* m_outScoreText = nullptr;
    QLineEdit* m_inScoreText = nullptr;
    QLabel* m_totalScoreLabel = nullptr;
    QLabel* m_outLabel = nullptr;
    QLabel* m_inLabel = nullptr;
    QLabel* m_TotalLabel = nullptr;
    QLabel* m_Namelabel = nullptr;
    QLabel* m_Pnamelabel = nullptr;
    QLabel* m_eqLabel = nullptr;
    QButtonGroup* m_teeButtons = nullptr;
    QListWidget* m_calcPanel = nullptr;
    QPushButton* m_recordButton = nullptr;
    QPushButton* m_skipButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QTimer* m_recordTimer = nullptr;
    QTimer* m_focusTimer = nullptr;
};

// Told of the score-entry window that round set-up or the edit-round chooser
// opens, before it is shown, so the main window can stay disabled and wire it.
using ScoreEntryAdopter = std::function<void(ScoreEntryWindow*)>;

// Opens and shows score entry for the shared values as they are now.
ScoreEntryWindow* openScoreEntry(Store& store, UiServices& services, const ScoreEntryAdopter& adopt);

} // namespace tallyrock
