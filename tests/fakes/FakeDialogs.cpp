#include "FakeDialogs.h"

namespace tallyrock::test {

namespace {
const char* kindName(FakeDialogs::Kind kind) {
    const char* const names[] = {"message box", "input box", "save dialog", "folder dialog", "choice"};
    return names[static_cast<int>(kind)];
}
FakeDialogs::Call makeCall(FakeDialogs::Kind kind, const std::string& title, const std::string& text) {
    FakeDialogs::Call call;
    call.kind = kind;
    call.title = title;
    call.text = text;
    return call;
}
} // namespace

void FakeDialogs::answerMessage(Answer answer) {
    m_answers.push_back({Kind::Message, answer, std::nullopt});
}
void FakeDialogs::answerInput(std::optional<std::string> text) {
    m_answers.push_back({Kind::Input, Answer::Ok, text});
}
void FakeDialogs::answerFolder(std::optional<std::string> name) {
    m_answers.push_back({Kind::Folder, Answer::Ok, name});
}
void FakeDialogs::answerSaveFile(std::optional<std::string> name) {
    m_answers.push_back({Kind::SaveFile, Answer::Ok, name});
}

std::optional<FakeDialogs::Scripted> FakeDialogs::next(Kind kind, const Call& call) {
    calls.push_back(call);
    if (m_answers.empty() || m_answers.front().kind != kind) {
        std::string expected =
            m_answers.empty() ? "nothing" : std::string("a ") + kindName(m_answers.front().kind);
        if (m_fail)
            m_fail(std::string("unexpected ") + kindName(kind) + " \"" + call.title + "\": \"" + call.text +
                   "\" (expected " + expected + ")");
        return std::nullopt;
    }
    Scripted answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

Answer FakeDialogs::messageBox(const Message& message, Buttons buttons, Answer defaultButton) {
    Call call = makeCall(Kind::Message, message.title, message.text);
    call.icon = message.icon;
    call.buttons = buttons;
    call.defaultButton = defaultButton;
    std::optional<Scripted> answer = next(Kind::Message, call);
    return answer ? answer->answer : defaultButton;
}

std::optional<std::string> FakeDialogs::inputBox(const std::string& title, const std::string& prompt,
                                                 const std::string&) {
    std::optional<Scripted> answer = next(Kind::Input, makeCall(Kind::Input, title, prompt));
    return answer ? answer->text : std::nullopt;
}

std::optional<std::string> FakeDialogs::saveFileName(const std::string& title, const std::string&,
                                                     const std::string&, const std::string& filter) {
    std::optional<Scripted> answer = next(Kind::SaveFile, makeCall(Kind::SaveFile, title, filter));
    return answer ? answer->text : std::nullopt;
}

std::optional<std::string> FakeDialogs::folderName(const std::string& title, const std::string& start) {
    std::optional<Scripted> answer = next(Kind::Folder, makeCall(Kind::Folder, title, start));
    return answer ? answer->text : std::nullopt;
}

std::optional<std::string> FakeDialogs::chooseItem(const std::string& title, const std::string& prompt,
                                                   const std::vector<std::string>&, const std::string&) {
    std::optional<Scripted> answer = next(Kind::Choice, makeCall(Kind::Choice, title, prompt));
    return answer ? answer->text : std::nullopt;
}

} // namespace tallyrock::test
