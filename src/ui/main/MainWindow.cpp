#include "MainWindow.h"

namespace tallyrock {

MainWindow::MainWindow(Store& store, QWidget* parent) : QMainWindow(parent), m_store(store) {
    setWindowTitle("Tallyrock");
    setObjectName("MainWindow");
}

} // namespace tallyrock
