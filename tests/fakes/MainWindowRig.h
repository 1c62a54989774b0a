#pragma once
// The base of every window test: a data folder, the test services, the real main window,
// a user's steps. Every widget lookup first leaves the test after an unexpected dialog.

#include "core/TestFiles.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingPrinter.h"
#include "main/MainWindow.h"
#include "services/Clock.h"
#include "services/UiServices.h"
#include "store/Store.h"
#include "utilities/HelpLauncher.h"
#include "views/RoundsView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tallyrock::test {

// The lines of a list widget, and core lines as the same kind of list, for comparing them.
inline QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
inline QStringList qlist(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out;
}

class RecordingHelp : public HelpViewer {
  public:
    void ShowHelpTopic(HelpTopic topic) override { topics.push_back(topic); }
    std::vector<HelpTopic> topics;
};

struct MainWindowRig {
    void makeFolder() {
        static int serial = 0;
        m_dir = caseFolder("case" + std::to_string(++serial));
    }

    // The test services; `Dialogs` may be a FakeDialogs that also watches.
    template <class Dialogs = FakeDialogs> void makeServices(Date today) {
        m_dialogs = std::make_unique<Dialogs>();
        m_printer = std::make_unique<RecordingPrinter>();
        m_clock = std::make_unique<FixedClock>(today);
        m_services = std::make_unique<UiServices>(UiServices{*m_dialogs, *m_printer, *m_clock, nullptr});
    }

    // A new store over m_dir (settings in `settingsDir`) and a main window on it.
    void makeMainWindow(const std::filesystem::path& settingsDir, Date today) {
        m_store = std::make_unique<Store>();
        m_store->workDir = m_dir;
        m_store->settingsDir = settingsDir;
        if (!m_dialogs) makeServices(today);
        m_window = std::make_unique<MainWindow>(*m_store, *m_services);
        m_window->setHelpViewer(&m_help);
    }
    // The main window loaded as at start-up on a 1024-pixel screen.
    void startMain(Date today, bool shown = false) {
        makeMainWindow(m_dir / "config", today);
        m_window->load(QRect(0, 0, 1024, 768), 1024);
        if (shown) m_window->show();
    }
    void openLeague(const char* item, const QString& name) {
        trigger(item);
        QCOMPARE(m_window->messagePanelText(), "Current League - " + name);
    }

    // The end of every test function: no answer left over, no window left open.
    void finish() {
        if (m_dialogs) QCOMPARE(m_dialogs->pending(), std::size_t{0});
        m_window.reset();
        deleteLeftoverWindows();
        m_dialogs.reset();
        m_help.topics.clear();
    }

    template <class T> static T* child(const QObject* parent, const QString& name) {
        stopAfterUnexpectedDialog();
        T* found = parent ? parent->findChild<T*>(name) : nullptr;
        if (!found) qWarning("no child %s", qPrintable(name));
        return found;
    }
    template <class T> T* child(const QString& name) const { return child<T>(m_window.get(), name); }
    // The shown top-level window of that name.
    static QWidget* opened(const QString& name) {
        stopAfterUnexpectedDialog();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return w;
        return nullptr;
    }
    static QWidget* shown(const QString& name) {
        QWidget* w = opened(name);
        if (!w) fail(name + " is not open");
        return w;
    }
    void trigger(const QString& action) {
        QAction* a = child<QAction>(action);
        if (!a) fail("no menu item " + action);
        a->trigger();
    }
    // The window a menu item opens, shown over the disabled main window.
    QWidget* open(const QString& action, const QString& window) {
        trigger(action);
        QWidget* w = shown(window);
        if (!QTest::qWaitForWindowExposed(w)) fail(window + " is not shown");
        if (m_window->isEnabled()) fail("the main window stays enabled under " + window);
        return w;
    }
    // Closes with the button; then the main window (if any) is enabled unless the window hands over.
    void closeWith(QWidget* w, const QString& button, bool handsOver = false) {
        QPointer<QWidget> alive(w);
        click(w, button);
        QTRY_VERIFY(alive.isNull());
        if (m_window) QCOMPARE(m_window->isEnabled(), !handsOver);
    }

    // The main window's course panel, opened by that menu item, answered with that course.
    void chooseCourse(const char* menu, const char* course) {
        trigger(menu);
        child<QComboBox>("Selectcoursecombo")->setEditText(course);
        click(m_window.get(), "okordeletebutton");
    }

    [[noreturn]] static void fail(const QString& why) {
        QTest::qFail(qPrintable(why), __FILE__, __LINE__);
        throw StopTest{};
    }

    static void click(QWidget* w, const QString& button) { child<QAbstractButton>(w, button)->click(); }
    static QString text(QWidget* w, const QString& name) {
        stopAfterUnexpectedDialog();
        if (auto* edit = w->findChild<QLineEdit*>(name)) return edit->text();
        return child<QLabel>(w, name)->text();
    }
    static void retype(QWidget* w, const QString& box, const QString& typed) {
        auto* edit = child<QLineEdit>(w, box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
    static void paste(QWidget* w, const QString& box, const QString& clip) {
        auto* edit = child<QLineEdit>(w, box);
        edit->selectAll();
        QApplication::clipboard()->setText(clip);
        QTest::keySequence(edit, QKeySequence::Paste);
    }
    // Keys as the user types them: each goes where the focus is; '\n' is Return.
    static void typeKeys(const QString& keys) {
        for (QChar c : keys)
            if (c == '\n')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    static void activate(QWidget* window) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    static void clickRow(QListWidget* list, int row, bool twice = false) {
        list->scrollToItem(list->item(row));
        QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (!twice) return;
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    static void doubleClickRow(QListWidget* list, int row) { clickRow(list, row, true); }
    const FakeDialogs::Call& lastCall() const { return m_dialogs->calls.back(); }
    // The lines the core's rounds view shows for the tables as they are now (view 3: of that player).
    ViewLines coreLines(ViewMode mode, int player = 0) const {
        Store copy = *m_store;
        RoundsView view;
        view.setMode(mode);
        player ? view.fillPlayer(copy, player) : view.show(copy);
        return view.lines();
    }

    std::filesystem::path m_dir;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinter> m_printer;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<UiServices> m_services;
    RecordingHelp m_help;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace tallyrock::test
