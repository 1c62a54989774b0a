#pragma once
// What the player choosers share: a caption above a single-choice list, the
// accept and exit buttons below it, and the accept's first step.

#include "services/ToolWindow.h"

#include <QString>
#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace tallyrock {

class Dialogs;

struct ChooserParts {
    QListWidget* list = nullptr;
    QPushButton* accept = nullptr;
    QPushButton* exit = nullptr;
};

// Lays out `caption`, the list and the buttons in `window`. Enter or a double
// click on an entry chooses it and presses accept.
ChooserParts buildChooser(QWidget& window, QWidget* caption, const QString& exitTip);

// Replaces the list's entries; none is selected.
void fillChooser(QListWidget* list, const std::vector<std::string>& lines);

// The entry selected in the list; with none, a beep and null.
QListWidgetItem* chosenEntry(const QListWidget* list, Dialogs& dialogs);

// The player and edit-round choosers: the chooser's layout, with exit closing
// the window and a click on the window clearing the selection.
class ChooserWindow : public ToolWindow {
    Q_OBJECT
  protected:
    using ToolWindow::ToolWindow;

    // Lays out the caption, the list and the buttons; accept runs acceptChoice().
    void buildChooserWindow(QWidget* caption, const QString& exitTip);
    // Places the window, lists the league's players and gives the list the focus.
    void showPlayers();
    void mousePressEvent(QMouseEvent* event) override;
    virtual void acceptChoice() = 0;

    QListWidget* m_choiceList = nullptr;
};

} // namespace tallyrock
