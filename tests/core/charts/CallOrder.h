#pragma once
// Checks on what the chart and card tests print or record.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace tallyrock::test {

// The expected calls appear in this order among the recorded ones (others may come between).
inline ::testing::AssertionResult callsInOrder(const std::vector<std::string>& calls,
                                               std::initializer_list<std::string> expected) {
    auto at = calls.begin();
    for (const std::string& call : expected) {
        at = std::find(at, calls.end(), call);
        if (at == calls.end()) return ::testing::AssertionFailure() << "missing or out of order: " << call;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

// The parts of a text between the separators (an ending separator leaves an empty last part).
inline std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts{""};
    for (char c : text) {
        if (c == at)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

} // namespace tallyrock::test
