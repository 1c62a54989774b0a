#pragma once
// The printer font window (Setfont): lists the fonts usable for printing,
// previews the one clicked and stores the choice in FontName.

#include "store/Store.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tallyrock {

class Dialogs;

class FontWindow : public QWidget {
    Q_OBJECT
  public:
    FontWindow(Store& store, Dialogs& dialogs, QWidget* parent = nullptr);

  signals:
    // The information button: the help window at its printer font section.
    void helpRequested();

  private:
    void previewFont(QListWidgetItem* item);
    void acceptFont();

    Store& m_store;
    Dialogs& m_dialogs;
    QListWidget* m_fontList = nullptr;
    QLabel* m_fontLabel = nullptr;
};

} // namespace tallyrock
