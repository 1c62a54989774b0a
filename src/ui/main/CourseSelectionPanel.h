#pragma once
// The main window's course-selection panel (Selectcoursepanel): the courses to
// choose from, typed or picked, with an Ok (or Delete) button and Cancel. It
// stays hidden until the course menu or the chart menu offers it.

#include <QFrame>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace tallyrock {

class CourseSelectionPanel : public QFrame {
    Q_OBJECT
  public:
    explicit CourseSelectionPanel(QWidget* parent);

    // Shows the panel with `courses`, none chosen, and `okCaption` on the first button.
    void offer(const std::vector<std::string>& courses, const QString& okCaption);
    // Hides the panel and empties its list.
    void withdraw();
    // The course as typed or picked.
    QString courseText() const;
    // The typing box takes the keyboard.
    void focusCourseBox();

  signals:
    // The first button, or a double click in the typing box.
    void chosen();
    // The Cancel button.
    void cancelled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* m_courseBox = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace tallyrock
