#pragma once
// How a window test ends at a dialog it did not script. The fake dialogs are
// called from inside Qt's event handling, where no exception may pass, so there
// the failure is only logged and the window goes on with the default answer;
// the test's helpers then throw StopTest when next asked for a widget, and
// Stoppable, which calls every test function, catches it there:
//     QTEST_MAIN(Stoppable<MainWindowTest>)

#include <QApplication>
#include <QMetaObject>
#include <QWidget>
#include <QtTest>

#include <string>

namespace tallyrock::test {

// Thrown by a test's helpers, never through Qt.
struct StopTest {};

namespace detail {
inline bool& unexpectedDialogCame() {
    static bool came = false;
    return came;
}
} // namespace detail

// The failure handler of the window tests' FakeDialogs.
inline void failAtUnexpectedDialog(const std::string& what) {
    QTest::qFail(what.c_str(), __FILE__, __LINE__);
    detail::unexpectedDialogCame() = true;
}

// Called by the helpers that find and drive widgets: leaves the test function
// when an unexpected dialog came during the steps before.
inline void stopAfterUnexpectedDialog() {
    if (detail::unexpectedDialogCame()) throw StopTest{};
}

// Deletes the windows a test left open. The windows the main window opens
// outlive it and refer to the test's store and services; when a test stops
// early, the next test must not find them. Call after the main window is gone.
inline void deleteLeftoverWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget()) delete window;
}

// The test object as Qt Test sees it: the same test functions, each called
// inside a try block that ends it at StopTest. Qt Test calls a test function
// through the static call function of the meta-object it gets from
// metaObject(); this one is the test class's own with that function wrapped.
template <class Test> class Stoppable : public Test {
  public:
    const QMetaObject* metaObject() const override { return &s_meta; }

  private:
    static void call(QObject* object, QMetaObject::Call kind, int id, void** args) {
        if (kind != QMetaObject::InvokeMetaMethod)
            return Test::staticMetaObject.d.static_metacall(object, kind, id, args);
        detail::unexpectedDialogCame() = false;
        try {
            Test::staticMetaObject.d.static_metacall(object, kind, id, args);
        } catch (const StopTest&) {
        }
    }
    static inline const QMetaObject s_meta = [] {
        QMetaObject meta = Test::staticMetaObject;
        meta.d.static_metacall = &Stoppable::call;
        return meta;
    }();
};

} // namespace tallyrock::test
