#pragma once
// Pieces the course, league and player windows share.

#include "roster/PlayerOps.h"
#include "services/UiServices.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QString;
class QWidget;

namespace tallyrock {

// A sunken panel showing a value.
QLabel* sunkenPanel(const QString& name, QWidget* parent);
// Empties the list and fills it with the lines.
void fillList(QListWidget* list, const std::vector<std::string>& lines);
// The selected line of a single-selection list; empty when none is selected.
std::string selectedLine(const QListWidget* list);
// The roster windows' closing writes, with the hourglass; each failure is shown.
void saveRosterFilesShowing(Store& store, UiServices& services, TeamFileSave teamFile);

} // namespace tallyrock
