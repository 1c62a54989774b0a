#pragma once
// The card window (HcpCards, "Handicap Card Printing"): pocket handicap cards
// for the players selected, with the print offsets and scaling that are kept
// in the settings file.

#include "charts/HandicapCards.h"
#include "services/QtCanvas.h"
#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;
class QVBoxLayout;

namespace tallyrock {

class HandicapCardWindow : public ToolWindow {
    Q_OBJECT
  public:
    HandicapCardWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

    const QtCanvas& picture() const { return m_picture; }

  protected:
    void onClosing() override;

  private:
    QVBoxLayout* buildPlayerColumn();
    void showOpening();
    void PrintButton_Click();
    void infobutton_Click();
    void Timer1_Timer();
    CardForm form() const;

    QtCanvas m_picture{CardPictureWidth, CardPictureHeight};

    QListWidget* m_List1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QLineEdit* m_hoffsettext = nullptr;
    QLineEdit* m_WDOffSetText = nullptr;
    QLineEdit* m_pscalingtext = nullptr;
    QLabel* m_printcountlabel = nullptr;
    QTimer* m_Timer1 = nullptr;
};

} // namespace tallyrock
