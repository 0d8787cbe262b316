// GoogleTest copies every failure and skip message to OutputDebugStringA.
// Wine raises a debug-print exception for that and unwinds it, and where
// 32-bit code runs under qemu-user that unwinding crashes the process, so a
// single failed or skipped test would end the whole run. Nobody debugs this
// binary, so its import of OutputDebugStringA is bound to a function that
// does nothing.
#include <windows.h>

extern "C" {
static void WINAPI IgnoreDebugOutput(LPCSTR) {}
void* blinkery_output_debug_string_import asm("__imp__OutputDebugStringA@4") =
    reinterpret_cast<void*>(&IgnoreDebugOutput);
}
