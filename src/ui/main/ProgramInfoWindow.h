#pragma once
// "Programming Information": who made the program, and a close button.

#include <QDialog>

namespace tallyrock {

class ProgramInfoWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ProgramInfoWindow(QWidget* parent = nullptr);
};

} // namespace tallyrock
