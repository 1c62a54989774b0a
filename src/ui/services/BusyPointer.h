#pragma once
// The busy pointer for the life of one scope: shown when made, normal again
// when the scope ends, however it ends.

#include "services/Dialogs.h"

namespace tallyrock {

class BusyPointer {
  public:
    explicit BusyPointer(Dialogs& dialogs) : m_dialogs(dialogs) { m_dialogs.setBusy(true); }
    ~BusyPointer() { m_dialogs.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Dialogs& m_dialogs;
};

// What work returns, with the busy pointer shown while it runs.
template <typename Work> auto whileBusy(Dialogs& dialogs, Work&& work) {
    BusyPointer busy(dialogs);
    return work();
}

} // namespace tallyrock
