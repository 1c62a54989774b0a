#pragma once
// The player comparison window (compareform, "Tallyrock"): one line per
// player with rounds, lowest index first, with a star on the scale -5 to 40.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;

namespace tallyrock {

class CompareChartWindow : public ToolWindow {
    Q_OBJECT
  public:
    CompareChartWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  private:
    void printList();

    std::vector<std::string> m_lines;
    QListWidget* m_compareList = nullptr;
};

} // namespace tallyrock
