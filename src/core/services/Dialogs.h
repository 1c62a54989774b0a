#pragma once
// What the windows ask of the user: message boxes, input boxes, file and
// folder dialogs, the beep and the busy pointer. The desktop program shows
// real dialogs; tests replay scripted answers.

#include "store/Message.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const Message& message, Buttons buttons = Buttons::Ok,
                              Answer defaultButton = Answer::Ok) = 0;
    // Nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& initial) = 0;
    // A file name to save to; nothing when cancelled.
    virtual std::optional<std::string> saveFileName(const std::string& title, const std::string& folder,
                                                    const std::string& suggested,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> folderName(const std::string& title, const std::string& start) = 0;
    // One of the items, starting at `current`; nothing when cancelled.
    virtual std::optional<std::string> chooseItem(const std::string& title, const std::string& prompt,
                                                  const std::vector<std::string>& items,
                                                  const std::string& current) = 0;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
};

} // namespace tallyrock
