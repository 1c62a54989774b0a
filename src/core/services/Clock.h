#pragma once
// Today's date, so tests can fix it.

#include <string>

namespace tallyrock {

struct Date {
    int month = 1, day = 1, year = 2000; // full year
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

// The system clock, local time.
class SystemClock : public Clock {
  public:
    Date today() const override;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(Date d) : m_date(d) {}
    Date today() const override { return m_date; }
    void set(Date d) { m_date = d; }

  private:
    Date m_date;
};

// The date as titles and date notes show it: "07-04-2024" (mm-dd-yyyy).
std::string dashedDate(const Date& date);

} // namespace tallyrock
