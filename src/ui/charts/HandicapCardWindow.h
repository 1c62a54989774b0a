#pragma once
// The card window (HcpCards, "Handicap Card Printing"): pocket handicap cards
// for the players selected, with the print offsets and scaling that are kept
// in the settings file.

#include "charts/HandicapCards.h"
#include "services/QtCanvas.h"
#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace tallyrock {

class HandicapCardWindow : public QWidget {
    Q_OBJECT
  public:
    HandicapCardWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

    const QtCanvas& picture() const { return m_picture; }

  signals:
    // The window has written the settings file and closed.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void PrintButton_Click();
    void infobutton_Click();
    void Timer1_Timer();
    CardForm form() const;

    Store& m_store;
    UiServices& m_services;
    QtCanvas m_picture{CardPictureWidth, CardPictureHeight};
    bool m_closed = false;

    QListWidget* m_List1 = nullptr;
    QLineEdit* m_Text1 = nullptr;
    QLineEdit* m_hoffsettext = nullptr;
    QLineEdit* m_WDOffSetText = nullptr;
    QLineEdit* m_pscalingtext = nullptr;
    QLabel* m_printcountlabel = nullptr;
    QTimer* m_Timer1 = nullptr;
};

} // namespace tallyrock
