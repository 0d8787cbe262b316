// The port I/O exception guard in a process with more than one thread, as
// Blinkery is once PlaySound has started its player thread. Where 32-bit
// code runs under qemu-user, exceptions in such a process depend on the
// preloaded shim of the end-to-end harness (tests/e2e/emulation), which
// gives every thread segment registers of its own; without it the first
// caught fault after a second thread started ends the process.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "access_violation.h"
#include "win32/win32_port_io.h"

namespace {

uint32_t __stdcall Faulting(uint32_t, uint32_t)
{
    return RaiseAccessViolation();
}

uint32_t __stdcall Raising(uint32_t code, uint32_t)
{
    RaiseException(code, 0, 0, nullptr);
    return 0;
}

uint32_t __stdcall Adding(uint32_t a, uint32_t b) { return a + b; }

uintptr_t Address(uint32_t(__stdcall* function)(uint32_t, uint32_t))
{
    return reinterpret_cast<uintptr_t>(function);
}

// Runs guarded faults, raised exceptions and good calls in turn on the
// calling thread; the number of rounds in which all three came out right.
int GuardRounds(int rounds)
{
    int good = 0;
    for (int i = 0; i < rounds; ++i) {
        uint32_t result = 7;
        const bool faulted = !win32::GuardedStdcall(Address(&Faulting), 1, 2, result) && result == 7;
        const bool raised = !win32::GuardedStdcall(Address(&Raising), 0xE0000001u, 0, result) && result == 7;
        const bool added = win32::GuardedStdcall(Address(&Adding), 40, 2, result) && result == 42;
        good += faulted && raised && added;
    }
    return good;
}

DWORD WINAPI WaitForStop(void* stop)
{
    WaitForSingleObject(static_cast<HANDLE>(stop), INFINITE);
    return 0;
}

DWORD WINAPI GuardOnThisThread(void* rounds)
{
    return static_cast<DWORD>(GuardRounds(static_cast<int>(reinterpret_cast<intptr_t>(rounds))));
}

int ThreadsOfThisProcess()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

// A quarter of a second of silence: 8-bit mono PCM at 11025 Hz.
std::vector<unsigned char> SilentWave()
{
    const uint32_t samples = 11025 / 4;
    std::vector<unsigned char> wave(44 + samples, 0x80);
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            wave[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    auto put16 = [&](size_t at, uint16_t value) {
        wave[at] = static_cast<unsigned char>(value);
        wave[at + 1] = static_cast<unsigned char>(value >> 8);
    };
    std::memcpy(&wave[0], "RIFF", 4);
    put32(4, 36 + samples);
    std::memcpy(&wave[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);     // PCM
    put16(22, 1);     // mono
    put32(24, 11025); // samples a second
    put32(28, 11025); // bytes a second
    put16(32, 1);     // block size
    put16(34, 8);     // bits a sample
    std::memcpy(&wave[36], "data", 4);
    put32(40, samples);
    return wave;
}

TEST(GuardThreads, FaultsAreCaughtWhileAnotherThreadRunsAndAfterItEnded)
{
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE other = CreateThread(nullptr, 0, WaitForStop, stop, 0, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_GE(ThreadsOfThisProcess(), 2);
    EXPECT_EQ(GuardRounds(100), 100);

    SetEvent(stop);
    WaitForSingleObject(other, INFINITE);
    CloseHandle(other);
    CloseHandle(stop);
    EXPECT_EQ(GuardRounds(100), 100);
}

TEST(GuardThreads, SeveralThreadsCatchTheirOwnFaultsAtTheSameTime)
{
    constexpr int kThreads = 4;
    constexpr int kRounds = 100;
    // Two batches, so threads also start while others have come and gone.
    for (int batch = 0; batch < 2; ++batch) {
        HANDLE threads[kThreads];
        for (HANDLE& thread : threads) {
            thread = CreateThread(nullptr, 0, GuardOnThisThread, reinterpret_cast<void*>(intptr_t{kRounds}), 0,
                                  nullptr);
            ASSERT_NE(thread, nullptr);
        }
        EXPECT_EQ(GuardRounds(kRounds), kRounds) << "batch " << batch << ", main thread";
        WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);
        for (int i = 0; i < kThreads; ++i) {
            DWORD good = 0;
            GetExitCodeThread(threads[i], &good);
            EXPECT_EQ(good, static_cast<DWORD>(kRounds)) << "batch " << batch << ", thread " << i;
            CloseHandle(threads[i]);
        }
    }
}

TEST(GuardThreads, FaultsAreCaughtWhilePlaySoundPlays)
{
    using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
    HMODULE winmm = LoadLibraryA("winmm.dll");
    ASSERT_NE(winmm, nullptr);
    auto play = reinterpret_cast<PlaySoundFunction>(
        reinterpret_cast<void*>(GetProcAddress(winmm, "PlaySoundA")));
    ASSERT_NE(play, nullptr);

    const std::vector<unsigned char> wave = SilentWave();
    const int before = ThreadsOfThisProcess();
    play(reinterpret_cast<LPCSTR>(wave.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    EXPECT_GT(ThreadsOfThisProcess(), before) << "PlaySound started no thread";
    EXPECT_EQ(GuardRounds(100), 100);

    play(nullptr, nullptr, 0);
    EXPECT_EQ(GuardRounds(100), 100);
}

} // namespace
