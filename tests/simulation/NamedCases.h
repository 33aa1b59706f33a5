#pragma once

#include <ostream>

namespace wexa {
// The test files keep their cases in this unnamed namespace; argument-dependent
// lookup only looks there, so the printer has to live there too.
namespace {

// GoogleTest prints a parameter it cannot format as raw bytes; a case with a
// name shows the name instead, in test listings and failure messages.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

} // namespace
} // namespace wexa
