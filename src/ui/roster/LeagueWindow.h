#pragma once
// League creation and deletion (Createleagueform): creates an empty league
// file under a typed name and lists it, or deletes a listed league with its
// team point file. It never opens a league; after it closes no league is open.

#include "services/UiServices.h"
#include "store/Store.h"

#include <QWidget>

class QLineEdit;

namespace tallyrock {

class LeagueWindow : public QWidget {
    Q_OBJECT
  public:
    LeagueWindow(Store& store, UiServices& services, QWidget* parent = nullptr);

  signals:
    // The league was created and listed at `position` (1-based): the league menu takes it.
    void leagueCreated(const QString& name, int position);
    // The league at list position `position` was taken off the list.
    void leagueDeleted(const QString& name);
    // The window has closed, by whatever route: the main window shows that no league is open.
    void closed();
    // The information button: the help window at the topic on creating a league file.
    void helpRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Text1_Edited(const QString& text);
    void Okbutton_Click();
    void deletebutton_Click();
    void showMessages(const std::vector<Message>& messages);

    Store& m_store;
    UiServices& m_services;
    bool m_closed = false;
    QLineEdit* m_Text1 = nullptr;
};

} // namespace tallyrock
