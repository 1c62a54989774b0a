#pragma once
// A table numbered from 1 as the data files number it: players 1..100, rounds
// 1..20, courses 1..200. Slot 0 exists for the few places that use it as
// scratch (the player-order move). Every access is checked: a slot outside
// 0..Last is a fault of the program, reported rather than read past the end.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace tallyrock {

template <typename T, int Last> class SlotTable {
  public:
    T& operator[](int slot) { return m_slots[checked(slot)]; }
    const T& operator[](int slot) const { return m_slots[checked(slot)]; }

    auto begin() { return m_slots.begin(); }
    auto end() { return m_slots.end(); }
    auto begin() const { return m_slots.begin(); }
    auto end() const { return m_slots.end(); }
    void fill(const T& value) { m_slots.fill(value); }
    bool operator==(const SlotTable&) const = default;

  private:
    static std::size_t checked(int slot) {
        if (slot < 0 || slot > Last)
            throw std::out_of_range("slot " + std::to_string(slot) + " outside 0.." + std::to_string(Last));
        return static_cast<std::size_t>(slot);
    }
    std::array<T, Last + 1> m_slots{};
};

} // namespace tallyrock
