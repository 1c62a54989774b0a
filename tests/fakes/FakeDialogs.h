#pragma once
// Dialogs for tests: every dialog takes the next scripted answer, every call
// is recorded, and a dialog that was not scripted (or scripted as another
// kind) fails the test through the failure handler and gets its default
// answer. Window tests pass failAtUnexpectedDialog (fakes/StopTest.h).

#include "services/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock::test {

class FakeDialogs : public Dialogs {
  public:
    enum class Kind { Message, Input, SaveFile, Folder, Choice };

    struct Call {
        Kind kind = Kind::Message;
        std::string title, text; // text: the message or the prompt
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
    };

    // `fail` is called with a description of an unexpected dialog.
    explicit FakeDialogs(std::function<void(const std::string&)> fail) : m_fail(std::move(fail)) {}

    // The next answers, in the order the dialogs will appear.
    void answerMessage(Answer answer);
    void answerInput(std::optional<std::string> text);
    void answerFolder(std::optional<std::string> name);
    void answerSaveFile(std::optional<std::string> name);

    Answer messageBox(const Message& message, Buttons buttons = Buttons::Ok,
                      Answer defaultButton = Answer::Ok) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initial) override;
    std::optional<std::string> saveFileName(const std::string& title, const std::string& folder,
                                            const std::string& suggested, const std::string& filter) override;
    std::optional<std::string> folderName(const std::string& title, const std::string& start) override;
    std::optional<std::string> chooseItem(const std::string& title, const std::string& prompt,
                                          const std::vector<std::string>& items,
                                          const std::string& current) override;
    void beep() override { ++beeps; }
    void setBusy(bool on) override { busy = on; }

    std::vector<Call> calls;
    int beeps = 0;
    bool busy = false;
    // Scripted answers not yet taken.
    std::size_t pending() const { return m_answers.size(); }

  private:
    struct Scripted {
        Kind kind;
        Answer answer = Answer::Ok;
        std::optional<std::string> text;
    };
    // The next answer when it is of this kind; otherwise the failure is reported.
    std::optional<Scripted> next(Kind kind, const Call& call);

    std::function<void(const std::string&)> m_fail;
    std::deque<Scripted> m_answers;
};

} // namespace tallyrock::test
