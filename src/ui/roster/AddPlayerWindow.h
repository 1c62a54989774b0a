#pragma once
// Adding players (playform): a name, a default tee, and the member count. The
// players go into the tables at once; the files are written when the window
// closes.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tallyrock {

class AddPlayerWindow : public ToolWindow {
    Q_OBJECT
  public:
    AddPlayerWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  protected:
    // The window sees Enter before its controls.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void onClosing() override;

  private:
    bool addOnEnter(QKeyEvent* event);
    void addTypedPlayer();

    QLineEdit* m_nameText = nullptr;
    std::array<QRadioButton*, 3> m_teeOption{}; // Red, White, Blue: tees 1, 2, 3
    QLabel* m_memberCountLabel = nullptr;
};

} // namespace tallyrock
