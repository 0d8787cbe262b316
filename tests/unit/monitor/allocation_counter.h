// Counts the allocations of this test binary between Start and Stop (the
// counting operator new lives in quiet_tick_test.cpp).
#pragma once

namespace alloccount {
void Start();
long Stop(); // the allocations since Start
} // namespace alloccount
