// A tick in which nothing changes must not allocate and must not repaint:
// it runs up to 18 times a second for days.
//
// Allocations are counted by replacing the global operator new and delete
// of this test binary (every form, so that each new meets its own delete,
// also under AddressSanitizer, whose checks stay in force through malloc
// and free). The counter only runs inside an AllocationCounter's scope.
#include <cstdlib>
#include <new>

#include "allocation_counter.h"
#include "poll_fixture.h"

namespace {

long g_allocations = 0;
bool g_counting = false;

void* Allocate(std::size_t size)
{
    if (g_counting)
        ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    if (g_counting)
        ++g_allocations;
    void* p = nullptr;
    const std::size_t a = static_cast<std::size_t>(alignment) < sizeof(void*) ? sizeof(void*)
                                                                                : static_cast<std::size_t>(alignment);
    if (posix_memalign(&p, a, size ? size : 1) != 0)
        throw std::bad_alloc();
    return p;
}

struct AllocationCounter {
    AllocationCounter()
    {
        g_allocations = 0;
        g_counting = true;
    }
    ~AllocationCounter() { g_counting = false; }
    long Count() const { return g_allocations; }
};

} // namespace

namespace alloccount {
void Start()
{
    g_allocations = 0;
    g_counting = true;
}
long Stop()
{
    g_counting = false;
    return g_allocations;
}
} // namespace alloccount

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* operator new(std::size_t size, std::align_val_t a) { return AllocateAligned(size, a); }
void* operator new[](std::size_t size, std::align_val_t a) { return AllocateAligned(size, a); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    try {
        return AllocateAligned(size, a);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t& tag) noexcept
{
    return operator new(size, a, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

using polltest::Mcr2;
using polltest::Msr2;

class QuietTickTest : public polltest::PollTest {
protected:
    // Runs the tick until the display has caught up, then one more tick
    // under the counter.
    long QuietTickAllocations()
    {
        Tick();
        Tick();
        parts.Log.clear();
        library.Reads.clear();
        vxd.Requests.clear();
        vxd.Calls.clear();
        AllocationCounter counter;
        poll.TimerEvent();
        return counter.Count();
    }
};

TEST_F(QuietTickTest, CounterSeesAnAllocation)
{
    AllocationCounter counter;
    void* p = ::operator new(16); // a direct call cannot be optimised away
    ::operator delete(p);
    EXPECT_EQ(counter.Count(), 1);
}

// Windows 98: the VxD watches COM2 and the UART is read directly; layout 5
// reads the control lines; the status line reads the line settings.
TEST_F(QuietTickTest, IdlePortAllocatesNothingAndPaintsNothing)
{
    OpenVxd("COM2");
    vxd.ModemStatus = 0x30;
    OpenDriver();
    library.Registers[Msr2] = 0x30;
    library.Registers[Mcr2] = 0x03;
    g.NewOrientation = 5;
    g.StatusInDisplay = 1;
    g.Title = 1; // the clock is tested but the second has not moved
    g.DUNRegistry = 1;
    g.ReloadPictures = true; // asks for the first paint only (the display clears it)
    Tick();
    g.ReloadPictures = false;

    EXPECT_EQ(QuietTickAllocations(), 0);
    EXPECT_FALSE(g.RepaintRequested);
    EXPECT_FALSE(parts.Called("InvalidateMainWindow"));
    EXPECT_FALSE(parts.Called("FormPaint"));
    EXPECT_FALSE(parts.Called("InvalidateGraphWindow"));
    EXPECT_FALSE(library.Reads.empty()); // the tick did read the port
    EXPECT_FALSE(vxd.Requests.empty());
}

// Windows 2000: a steady connection whose speed text is already built.
TEST_F(QuietTickTest, SteadyConnectionAllocatesNothingAndPaintsNothing)
{
    g.OsKind = OsWin2000;
    OpenDriver();
    library.Registers[Msr2] = 0xB0;
    library.Registers[Mcr2] = 0x01;
    g.NewOrientation = 4;
    g.RAS = 1;
    g.DisplayConnectTime = 1;
    g.ConnectionState.ConnectionText = "Office dial-up with a name too long for any small-string buffer";
    parts.Ras = {4096, 2048, 115200};

    EXPECT_EQ(QuietTickAllocations(), 0);
    EXPECT_EQ(g.ConnectionState.SpeedText,
              "@ 115200 bps Office dial-up with a name too long for any small-string buffer");
    EXPECT_TRUE(g.ModemSignals.CD);
    EXPECT_FALSE(g.RepaintRequested);
    EXPECT_FALSE(parts.Called("FormPaint"));
}

} // namespace
