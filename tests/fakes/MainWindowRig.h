#pragma once
// The real main window over a data folder, with the test services: dialogs that
// fail the test when one is not expected, a recording printer and a fixed date.
// Window tests inherit it beside QObject.

#include "fakes/FakeDialogs.h"
#include "fakes/RecordingPrinter.h"
#include "fakes/StopTest.h"
#include "main/MainWindow.h"
#include "services/Clock.h"
#include "services/UiServices.h"
#include "store/Store.h"

#include <filesystem>
#include <memory>

namespace tallyrock::test {

struct MainWindowRig {
    // A new store over m_dir (settings in `settingsDir`) and a main window on it.
    void makeMainWindow(const std::filesystem::path& settingsDir, Date today) {
        m_store = std::make_unique<Store>();
        m_store->workDir = m_dir;
        m_store->settingsDir = settingsDir;
        m_dialogs = std::make_unique<FakeDialogs>(failAtUnexpectedDialog);
        m_printer = std::make_unique<RecordingPrinter>();
        m_clock = std::make_unique<FixedClock>(today);
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, *m_printer, *m_clock, nullptr});
        m_window = std::make_unique<MainWindow>(*m_store, *m_services);
    }

    std::filesystem::path m_dir;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<UiServices> m_services;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace tallyrock::test
