#pragma once
// The handicap rules window (HcpRulesForm): the handicap method, the rounds
// used, the limits, stroke control, nine-hole rounds, the date check, the
// multiplier, and the World Handicap System's allowance and expected
// nine-hole differential. Accepting stores them and writes the league list and settings
// files; closing it any other way changes nothing.

#include "handicap/Rules.h"
#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>
#include <utility>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace tallyrock {

class RulesWindow : public ToolWindow {
    Q_OBJECT
  public:
    RulesWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    QGroupBox* buildMethodFrame();
    void buildRoundsFrame();
    QGroupBox* buildLimitFrame();
    QGroupBox* buildStrokeFrame();
    QGroupBox* buildNineHoleFrame();
    QGroupBox* buildWhsFrame();
    QButtonGroup* optionGroup(QGroupBox* frame, const char* name,
                              const std::vector<std::pair<QString, QString>>& options);
    // A number box that shows, and gives back, the form's `field`.
    QLineEdit* numberBox(const char* name, const QString& tip, QWidget* parent,
                         std::string RulesForm::*field);
    void showForm(const RulesForm& form);
    RulesForm form() const;
    // The option click handlers: which boxes and frames are enabled.
    void enableForMethod();
    void enableForRoundsUsed();
    void enableForLimit();
    void enableForStrokeControl();
    void showCasualDescription();
    void acceptRulesAndClose();

    QButtonGroup* m_methodOption = nullptr;
    QButtonGroup* m_roundsOption = nullptr;
    QButtonGroup* m_limitOption = nullptr;
    QButtonGroup* m_strokeOption = nullptr;
    QButtonGroup* m_nineHoleOption = nullptr;
    QGroupBox* m_roundsFrame = nullptr;
    QGroupBox* m_strokeFrame = nullptr;
    QGroupBox* m_nineFrame = nullptr;
    QGroupBox* m_whsFrame = nullptr;
    QLineEdit* m_percentRoundsText = nullptr;
    QLineEdit* m_roundsText = nullptr;
    QLineEdit* m_menMaxText = nullptr;
    QLineEdit* m_womenMaxText = nullptr;
    QLineEdit* m_aboveParText = nullptr;
    QLineEdit* m_maxStrokeText = nullptr;
    QLineEdit* m_factorText = nullptr;
    QCheckBox* m_dateRemindCheck = nullptr;
    std::vector<std::pair<QLineEdit*, std::string RulesForm::*>> m_numberBoxes;
};

} // namespace tallyrock
