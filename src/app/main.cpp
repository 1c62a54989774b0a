// The Tallyrock desktop program.
#include "main/MainWindow.h"
#include "store/SettingsFile.h"

#include <QApplication>
#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallyrock");
    tallyrock::Store store;
    store.workDir = std::filesystem::current_path();
    store.settingsDir = tallyrock::GetSettingsDir();
    tallyrock::MainWindow window(store);
    window.resize(900, 600);
    window.show();
    return QApplication::exec();
}
