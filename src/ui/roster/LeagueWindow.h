#pragma once
// League creation and deletion (Createleagueform): creates an empty league
// file under a typed name and lists it, or deletes a listed league with its
// team point file. It never opens a league; after it closes no league is open.

#include "services/ToolWindow.h"
#include "store/Store.h"

#include <QWidget>

class QLineEdit;

namespace tallyrock {

class LeagueWindow : public ToolWindow {
    Q_OBJECT
  public:
    LeagueWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The league was created and listed at `position` (1-based): the league menu takes it.
    void leagueCreated(const QString& name, int position);
    // The league at list position `position` was taken off the list.
    void leagueDeleted(const QString& name);

  private:
    void Text1_Edited(const QString& text);
    void createLeagueFile();
    void deleteLeagueFile();
    void showMessages(const std::vector<Message>& messages);

    QLineEdit* m_leagueNameText = nullptr;
};

} // namespace tallyrock
