#pragma once
// What the two player choosers share: a caption above a single-choice list,
// the accept and exit buttons below it.

#include <QString>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QWidget;

namespace tallyrock {

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

} // namespace tallyrock
