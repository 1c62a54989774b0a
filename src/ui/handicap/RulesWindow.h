#pragma once
// The handicap rules window (HcpRulesForm): the handicap method, the rounds
// used, the limits, stroke control, nine-hole rounds, the date check, the
// multiplier, and the World Handicap System's allowance and expected
// nine-hole differential. Accepting stores them and writes the league list and settings
// files; closing it any other way changes nothing.

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

struct RulesForm;

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
    void showForm(const RulesForm& form);
    RulesForm form() const;
    // The option click handlers: which boxes and frames are enabled.
    void hcpoption_Click();
    void roundsoption_Click();
    void hcplimitoption_Click();
    void Strokeoption_Click();
    void CasualInfoButton_Click();
    void okbutton_Click();

    QButtonGroup* m_hcpoption = nullptr;
    QButtonGroup* m_roundsoption = nullptr;
    QButtonGroup* m_hcplimitoption = nullptr;
    QButtonGroup* m_Strokeoption = nullptr;
    QButtonGroup* m_NineHoleOption = nullptr;
    QGroupBox* m_Frame3 = nullptr;
    QGroupBox* m_strokeFrame = nullptr;
    QGroupBox* m_nineFrame = nullptr;
    QGroupBox* m_whsFrame = nullptr;
    QLineEdit* m_allowancetext = nullptr;
    QLineEdit* m_ninefactortext = nullptr;
    QLineEdit* m_ninebasetext = nullptr;
    QLineEdit* m_percentroundstext = nullptr;
    QLineEdit* m_Roundstext = nullptr;
    QLineEdit* m_menshcpmaxtext = nullptr;
    QLineEdit* m_womenshcpmaxtext = nullptr;
    QLineEdit* m_abovepartext = nullptr;
    QLineEdit* m_Maxstroketext = nullptr;
    QLineEdit* m_hcptext = nullptr;
    QCheckBox* m_dateremindcheck = nullptr;
};

} // namespace tallyrock
