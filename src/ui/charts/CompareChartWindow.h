#pragma once
// The player comparison window (compareform, "Tallyrock"): one line per
// player with rounds, lowest index first, with a star on the scale -5 to 40.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;

namespace tallyrock {

class CompareChartWindow : public QWidget {
    Q_OBJECT
  public:
    CompareChartWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Command3d1_Click();

    Store& m_store;
    UiServices& m_services;
    std::vector<std::string> m_lines;
    bool m_closed = false;
    QListWidget* m_List1 = nullptr;
};

} // namespace tallyrock
