// A repaint with nothing to reload runs whenever a lamp changes and once a
// second for a shown clock, for days: once the display has been built it
// must not allocate. The sanitizers' allocation hooks count every malloc,
// so this test runs in the sanitized build only.
#include <functional>

#include "settings/line_settings.h"
#include "lamp_display_rig.h"

#if defined(__SANITIZE_ADDRESS__)   // GCC's sign of ASan
#define BLINKERY_ASAN 1
#elif defined(__has_feature)       // clang's
#if __has_feature(address_sanitizer)
#define BLINKERY_ASAN 1
#endif
#endif

#ifdef BLINKERY_ASAN
// From the sanitizers' allocator interface (declared here: GCC ships the library, not the header).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, size_t),
                                                         void (*free_hook)(const volatile void*));
#define BLINKERY_COUNTS_ALLOCATIONS 1
#endif

namespace {

#ifdef BLINKERY_COUNTS_ALLOCATIONS
bool g_counting = false;
long g_allocations = 0;

void OnMalloc(const volatile void*, size_t)
{
    if (g_counting)
        ++g_allocations;
}
void OnFree(const volatile void*) {}

long AllocationsOf(const std::function<void()>& work)
{
    static const int installed = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
    (void)installed;
    g_allocations = 0;
    g_counting = true;
    work();
    g_counting = false;
    return g_allocations;
}
#endif

class QuietPaintTest : public rig::LampDisplayTest {};

TEST_F(QuietPaintTest, RepaintAllocatesNothing)
{
#ifndef BLINKERY_COUNTS_ALLOCATIONS
    GTEST_SKIP() << "allocations are counted in the sanitized build";
#else
    window.Record = false;
    vxd.Opened = true;
    vxd.HookedPort = "COM2";
    vxd.Replies[VxdBaudRate] = {true, 57600, 0};
    vxd.Replies[VxdByteSize] = {true, 8, 0};
    g.NewOrientation = 5;
    g.StatusInDisplay = g.SPYSpeedInDisplay = g.LogTransmitDisp = g.DisplayConnectTime = 1;
    g.ModemSignals.CD = true;
    g.ConnectionState.WindowTx = 123456;
    g.ConnectionState.SessionRx = 987654321;
    display.FormPaint(); // builds the display
    const size_t vxdCalls = vxd.Calls.capacity();

    // The fake VxD records its calls; room for them is made beforehand.
    vxd.Calls.reserve(vxdCalls + 1000);
    vxd.Requests.reserve(vxd.Requests.size() + 1000);
    const long allocations = AllocationsOf([&] {
        for (int i = 0; i < 100; ++i) {
            g.ModemSignals.TD = i % 2;
            g.ModemSignals.RD = i % 3 == 0;
            clock.NowValue += 1.0 / 86400;
            display.FormPaint(display::PaintScope::Changes);
        }
    });
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(bitmaps.Loaded.size(), 4u); // the picture and the three lamp images, once
#endif
}

} // namespace
