#pragma once
// The course window (course): a scorecard with the name, the par of each hole,
// the front, back and total par worked out as the user types, a rating and a
// slope for each tee, the initials, and for the World Handicap System a stroke
// index row per tee and the ratings and slopes of each nine. It adds a course (reusing the first
// emptied slot) or edits CurrentCourse, as CourseFormMode says, and writes the
// course file when it saves.

#include "roster/CourseOps.h"
#include "roster/WhsCourseOps.h"
#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace tallyrock {

class CourseWindow : public ToolWindow {
    Q_OBJECT
  public:
    CourseWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onClosing() override;

  private:
    void showCourse();
    QHBoxLayout* buildButtons();
    QGridLayout* buildTeePanels();
    QFrame* buildScorecard();
    QGridLayout* buildNinePanels();
    void takePar(int h);
    void stepRating(int tee, bool up);
    void stepSlope(int tee, bool up);
    // A rating or slope typed into its panel: shown as its spin shows it, or,
    // when it is no rating or slope, a beep and the value shown before. False then.
    bool checkTypedRating(int tee);
    bool checkTypedSlope(int tee);
    bool panelTyped(QLineEdit* panel, std::optional<double> value, const std::string& shown);
    void showPanel(QLineEdit* panel, const QString& text);
    void saveCourse();
    // The form as the controls hold it now.
    CourseForm currentForm() const;
    TeeHolesForms currentTeeHoles() const;

    QLineEdit* m_nameText = nullptr;
    std::array<QLineEdit*, 19> m_parText{}; // 1..18
    QLabel* m_outLabel = nullptr;
    QLabel* m_inLabel = nullptr;
    QLabel* m_totalLabel = nullptr;
    std::array<QLineEdit*, 4> m_ratingPanel{}; // tees 1..3
    std::array<QLineEdit*, 4> m_slopePanel{};  // tees 1..3
    QLineEdit* m_initialsText = nullptr;
    // The World Handicap System: stroke indexes and the nines' ratings and slopes, per tee.
    std::array<std::array<QLineEdit*, 19>, 4> m_strokeIndexText{};
    std::array<std::array<QLineEdit*, 4>, 4>
        m_nineText{}; // front rating, front slope, back rating, back slope
};

} // namespace tallyrock
