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
    void printCards();
    void showCardStockAdvice();
    void showPrintCount();
    CardForm form() const;

    QtCanvas m_picture{CardPictureWidth, CardPictureHeight};

    QListWidget* m_playerList = nullptr;
    QLineEdit* m_dateText = nullptr;
    QLineEdit* m_heightOffsetText = nullptr;
    QLineEdit* m_widthOffsetText = nullptr;
    QLineEdit* m_scalingText = nullptr;
    QLabel* m_printCountLabel = nullptr;
    QTimer* m_countTimer = nullptr;
};

} // namespace tallyrock
