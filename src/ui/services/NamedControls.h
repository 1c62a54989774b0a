#pragma once
// Builders for the controls every window makes: each named for tests and
// screen readers, so a window states only its captions, names and tips.

#include <QString>

#include <initializer_list>

class QFont;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace tallyrock {

// A push button with its caption and the name tests and screen readers find it by.
QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent);
// The same with the tip it shows under the pointer.
QPushButton* namedButton(const QString& caption, const QString& objectName, const QString& toolTip,
                         QWidget* parent);
// A text box with the name tests find it by.
QLineEdit* namedEdit(const QString& objectName, QWidget* parent);
// A framed group of controls under its caption, with its name.
QGroupBox* namedGroup(const QString& caption, const QString& objectName, QWidget* parent);
// An empty label with its name.
QLabel* namedLabel(const QString& objectName, QWidget* parent);
// The controls side by side, left to right; a null entry is a stretch that
// pushes what follows it to the right.
QHBoxLayout* rowOf(std::initializer_list<QWidget*> controls);
// A read-only page of text in `font`, its lines kept whole: a report as it prints.
QPlainTextEdit* reportSheet(const QString& objectName, const QFont& font, QWidget* parent);
// A timer with its name and interval, not started.
QTimer* namedTimer(const QString& objectName, int intervalMs, QObject* parent);
// Draws the frame as a sunken panel, as the windows show a value they work out.
void sinkPanel(QFrame* frame);
// Sets the control's own font bold.
void makeBold(QWidget* control);

} // namespace tallyrock
