#pragma once

namespace wexa::testing {

// How many times operator new has been called in this test program so far,
// so a test can show that a stretch of code allocates nothing.
long AllocationCount();

} // namespace wexa::testing
