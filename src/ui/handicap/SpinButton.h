#pragma once
// A spin button: two small arrow buttons, down and up, that step a value shown
// beside them. It takes the focus, so the Up and Down keys step it too. `what`
// names the value for screen readers ("Month"; the arrows "Month up", "Month down").

#include <QWidget>

class QToolButton;

namespace tallyrock {

class SpinButton : public QWidget {
    Q_OBJECT
  public:
    SpinButton(const QString& name, const QString& what, QWidget* parent = nullptr);

    QToolButton* downButton() const { return m_down; }
    QToolButton* upButton() const { return m_up; }

  signals:
    void spinDown();
    void spinUp();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QToolButton* m_down = nullptr;
    QToolButton* m_up = nullptr;
};

} // namespace tallyrock
