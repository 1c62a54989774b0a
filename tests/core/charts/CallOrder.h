#pragma once
// Checks that recorded printer calls hold the expected ones in order.

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

} // namespace tallyrock::test
