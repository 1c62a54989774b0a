#pragma once
// The rounds view of the main window: the player names on the left (List1),
// one text line per round on the right (List2), in one of three views. The
// lines are built here so the window and the command-line tool show the same.

#include "store/Store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyrock {

enum class ViewMode { Recent = 1, ByDate = 2, Player = 3 };

inline constexpr const char* NameHeading = "     Name";
inline constexpr const char* RoundHeading =
    "  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 "
    "11 12 13 14 15 16 17 18  C Hcp # rounds";
std::string nameUnderline();  // 30 underscores
std::string roundUnderline(); // 156 underscores

// The two lists, item by item: item 0 the headings, item 1 the underlines.
struct ViewLines {
    std::vector<std::string> names;  // List1
    std::vector<std::string> rounds; // List2
    std::string note;                // under the listings: whose indexes they are, when it must be said
    std::size_t size() const { return names.size(); }
};

// The round line of slot r of player p, as the view `mode` shows it.
std::string roundLine(const Store& store, int p, int r, ViewMode mode);

// Sort key of a round's date: full year x 10000 + month x 100 + day, so that
// distinct dates never share a key and 1985..2084 sort in calendar order.
int32_t dateKey(const RoundRecord& round);

// Texts of the spin button and the view state of the window.
inline constexpr const char* EarlierRoundsText = "Viewing rounds entered earlier";
inline constexpr const char* LaterRoundsText = "Viewing more recently entered rounds";
inline constexpr const char* EarlierDatesText = "Viewing earlier dates";
inline constexpr const char* LaterDatesText = "Viewing more recent dates";
inline constexpr const char* SpinToolTip = "View earlier < or more recent > rounds";

class RoundsView {
  public:
    ViewMode mode() const { return m_mode; }
    // Ticks the view item; fills nothing.
    void setMode(ViewMode mode) { m_mode = mode; }

    // ShowRoundsView's fill: view 1 sets every mark to the player's newest
    // round and fills; view 2 builds the date list and fills; view 3 keeps the lists.
    void show(Store& store);

    void clear(); // ClearRoundsView: the headings only
    void fillRecent(const Store& store);
    void buildDateList(const Store& store); // ends with fillDate
    void fillDate(const Store& store);
    void fillPlayer(const Store& store, int player);
    // The player view 3 was last filled for (0 before it was).
    int player() const { return m_player; }

    // The spin button. The text for the transient message when the window
    // shows one (and starts its message timer); nothing when it does not.
    std::optional<std::string> spinDown(Store& store);
    std::optional<std::string> spinUp(Store& store);

    const ViewLines& lines() const { return m_lines; }
    // All distinct round dates, ascending; the date view shows dateKeys()[dateIndex() - 1].
    const std::vector<int32_t>& dateKeys() const { return m_dateKeys; }
    int dateIndex() const { return m_dateIndex; }
    int dateCount() const { return static_cast<int>(m_dateKeys.size()); }

  private:
    void addRoundLine(const Store& store, int p, int r);

    ViewMode m_mode = ViewMode::Recent;
    ViewLines m_lines;
    std::vector<int32_t> m_dateKeys;
    int m_dateIndex = 0;
    int m_player = 0;
};

} // namespace tallyrock
