#include "core/rules/address_list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brelvo::core {
namespace {

TEST(AddressListText, JoinsWithTwoDashesBetweenAndNoneAtTheEnd) {
    const struct {
        std::vector<std::string> addresses;
        std::string expected;
    } cases[] = {
        {{}, ""},
        {{"192.168.0.10"}, "192.168.0.10"},
        {{"192.168.0.10", "10.0.0.5"}, "192.168.0.10--10.0.0.5"},
        {{"10.0.0.1", "10.0.1.1", "172.16.0.9"}, "10.0.0.1--10.0.1.1--172.16.0.9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinAddressTexts(c.addresses), c.expected) << c.expected;
}

}  // namespace
}  // namespace brelvo::core
