#pragma once
// Dialogs for window tests: each takes the next scripted answer and is recorded. One not
// scripted (or scripted as another kind) fails the test and gets its default answer. No
// exception may pass through Qt's event handling, where dialogs are called, so the test's
// helpers throw StopTest when next asked for a widget, and Stoppable catches it:
// QTEST_MAIN(Stoppable<MainWindowTest>)

#include "services/Dialogs.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock::test {

struct StopTest {};

inline bool& unexpectedDialogCame() {
    static bool came = false;
    return came;
}
inline void stopAfterUnexpectedDialog() {
    if (unexpectedDialogCame()) throw StopTest{};
}

class FakeDialogs : public Dialogs {
  public:
    enum class Kind { Message, Input, SaveFile, Folder, Choice };
    struct Call {
        Kind kind = Kind::Message;
        std::string title, text; // text: the message or the prompt
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
    };

    // The next answers, in the order the dialogs will appear.
    void answerMessage(Answer answer) { m_answers.push_back({Kind::Message, answer, {}}); }
    void answerInput(std::optional<std::string> text) { m_answers.push_back({Kind::Input, {}, text}); }
    void answerSaveFile(std::optional<std::string> name) { m_answers.push_back({Kind::SaveFile, {}, name}); }

    Answer messageBox(const Message& message, Buttons buttons, Answer defaultButton) override {
        std::optional<Scripted> s =
            next({Kind::Message, message.title, message.text, buttons, defaultButton});
        return s ? s->answer : defaultButton;
    }
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string&) override {
        return answered(next({Kind::Input, title, prompt}));
    }
    std::optional<std::string> saveFileName(const std::string& title, const std::string&, const std::string&,
                                            const std::string& filter) override {
        return answered(next({Kind::SaveFile, title, filter}));
    }
    std::optional<std::string> folderName(const std::string& title, const std::string& start) override {
        return answered(next({Kind::Folder, title, start}));
    }
    std::optional<std::string> chooseItem(const std::string& title, const std::string& prompt,
                                          const std::vector<std::string>&, const std::string&) override {
        return answered(next({Kind::Choice, title, prompt}));
    }
    void beep() override { ++beeps; }
    void setBusy(bool) override {}

    std::vector<Call> calls;
    int beeps = 0;
    std::size_t pending() const { return m_answers.size(); } // scripted answers not yet taken

  private:
    struct Scripted {
        Kind kind;
        Answer answer = Answer::Ok;
        std::optional<std::string> text;
    };
    static std::optional<std::string> answered(const std::optional<Scripted>& s) {
        return s ? s->text : std::nullopt;
    }
    std::optional<Scripted> next(const Call& call) {
        calls.push_back(call);
        if (!m_answers.empty() && m_answers.front().kind == call.kind) {
            Scripted answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        const char* const kinds[] = {"message box", "input box", "save dialog", "folder dialog", "choice"};
        std::string expected =
            m_answers.empty() ? "nothing" : kinds[static_cast<int>(m_answers.front().kind)];
        QTest::qFail(("unexpected " + std::string(kinds[static_cast<int>(call.kind)]) + " \"" + call.title +
                      "\": \"" + call.text + "\" (expected " + expected + ")")
                         .c_str(),
                     __FILE__, __LINE__);
        unexpectedDialogCame() = true;
        return std::nullopt;
    }
    std::deque<Scripted> m_answers;
};

// Windows a test left open outlive the main window but refer to its store and services.
inline void deleteLeftoverWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget()) delete window;
}

// The test object as Qt Test sees it: each test function called inside a try block that
// ends it at StopTest (through the static call function of the meta-object from metaObject()).
template <class Test> class Stoppable : public Test {
  public:
    const QMetaObject* metaObject() const override { return &s_meta; }

  private:
    static void call(QObject* object, QMetaObject::Call kind, int id, void** args) {
        if (kind != QMetaObject::InvokeMetaMethod)
            return Test::staticMetaObject.d.static_metacall(object, kind, id, args);
        unexpectedDialogCame() = false;
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
