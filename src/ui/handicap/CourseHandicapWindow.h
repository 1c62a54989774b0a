#pragma once
// The course handicap calculator (CHcpform): a handicap index and a slope
// rating give the course handicap. It reads and writes no league data.

#include "services/UiServices.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tallyrock {

class CourseHandicapWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CourseHandicapWindow(UiServices& services, QWidget* parent = nullptr);

  signals:
    void closed();
    // The information button: the help window at course handicaps.
    void helpRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void calculate();

    UiServices& m_services;
    bool m_closed = false;
    QLineEdit* m_indexText = nullptr;
    QLineEdit* m_slopeText = nullptr;
    QLabel* m_handicapMessage = nullptr;
};

} // namespace tallyrock
