#pragma once
// The main window: the hub every other window is opened from.

#include "store/Store.h"

#include <QMainWindow>

namespace tallyrock {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Store& store, QWidget* parent = nullptr);

private:
    Store& m_store;
};

} // namespace tallyrock
