#pragma once

#include <ostream>
#include <string_view>

namespace tavexo::testing {

// A parameterised case with a `name` prints as that name, so test listings
// read "Bust" rather than a byte dump. Bring it into a test's namespace with
// `using ::tavexo::testing::PrintTo;`.
template <class Case>
requires requires(const Case& c) {
    std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace tavexo::testing
