#pragma once
// The main window's rounds area: the players' names (List1 in Picture1) beside
// their rounds (List2 in Picture2), moved together by one vertical scroll bar
// (VScroll1), the rounds also by a horizontal one (HScroll1). The lists only
// show: a click selects nothing and the wheel scrolls both.

#include <QWidget>

#include <string>
#include <vector>

class QFrame;
class QListWidget;
class QScrollBar;

namespace tallyrock {

class RoundsArea : public QWidget {
    Q_OBJECT
  public:
    explicit RoundsArea(QWidget* parent);

    // Both lists in `font`; the names column is 31 wide letters wide.
    void setListFont(const QFont& font);
    // The lines of a view, keeping the scroll positions.
    void showLines(const std::vector<std::string>& names, const std::vector<std::string>& rounds);
    void clearLines();
    // Shows or hides (and enables or disables) the area, its lists and their scroll bars.
    void setShown(bool shown);
    // Whether the lists would be seen were `ancestor` shown.
    bool listsVisibleTo(const QWidget* ancestor) const;

  signals:
    // A line of either list was double-clicked (row 0 is the heading).
    void lineActivated(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A list in the frame that gives it its border.
    struct FramedList {
        QFrame* frame = nullptr;
        QListWidget* list = nullptr;
    };
    FramedList addList(const char* frameName, const char* listName);
    void updateScrollRanges();

    FramedList m_names;
    FramedList m_rounds;
    QScrollBar* m_verticalScroll = nullptr;
    QScrollBar* m_horizontalScroll = nullptr;
};

} // namespace tallyrock
