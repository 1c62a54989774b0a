#pragma once
// The dialogs of the desktop program: message boxes, input boxes, the file
// and folder dialogs, the beep and the hourglass pointer.

#include "services/Dialogs.h"

class QWidget;

namespace tallyrock {

class QtDialogs : public Dialogs {
  public:
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
    void beep() override;
    void setBusy(bool busy) override;

  private:
    bool m_busy = false;
};

} // namespace tallyrock
