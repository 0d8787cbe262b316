#include "win32/win32_port_io.h"

#include <windows.h>

#include <excpt.h>

// GCC has no __try, and vectored handlers arrive only with Windows XP. The
// guard is a classic x86 frame-based handler, which every Win32 system from
// Windows 95 on dispatches: a small assembly routine links an exception
// registration record into the thread's chain at fs:0 (extended with the
// frame pointer to come back to), calls the function, and unlinks the
// record. When the function faults, the handler rewrites the thread context
// so that execution resumes at the routine's recovery point with that frame
// pointer; the recovery point resets the stack from it, which also drops any
// records the faulting code left above ours, and reports the fault.

#if !defined(__i386__)
#error "The exception guard is written for 32-bit x86"
#endif

extern "C" {
int blinkery_guarded_stdcall2(uintptr_t function, uint32_t first, uint32_t second, uint32_t* result);
void blinkery_guard_recover();
EXCEPTION_DISPOSITION __cdecl blinkery_guard_handler(EXCEPTION_RECORD* record, void* establisherFrame,
                                                     CONTEXT* context, void* dispatcherContext);
}

asm(R"(
    .text
    .globl _blinkery_guarded_stdcall2
    .def _blinkery_guarded_stdcall2; .scl 2; .type 32; .endef
_blinkery_guarded_stdcall2:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    pushl %ebp                       # record + 8: frame pointer to resume with
    pushl $_blinkery_guard_handler   # record + 4: handler
    pushl %fs:0                      # record + 0: next record in the chain
    movl %esp, %fs:0
    pushl 16(%ebp)
    pushl 12(%ebp)
    call *8(%ebp)
    movl 20(%ebp), %ecx
    movl %eax, (%ecx)
    xorl %eax, %eax
    jmp 1f
    .globl _blinkery_guard_recover
_blinkery_guard_recover:
    movl $1, %eax
1:
    leal -24(%ebp), %esp             # whatever the callee popped or left
    popl %ecx
    movl %ecx, %fs:0
    addl $8, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

// Used: only the assembly names it, which link-time optimisation does not see.
extern "C" __attribute__((used)) EXCEPTION_DISPOSITION __cdecl blinkery_guard_handler(
    EXCEPTION_RECORD* record, void* establisherFrame, CONTEXT* context, void*)
{
    constexpr DWORD kUnwinding = 0x2 | 0x4; // EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND
    constexpr DWORD kNoncontinuable = 0x1;
    if (record->ExceptionFlags & (kUnwinding | kNoncontinuable))
        return ExceptionContinueSearch;
    const DWORD* frame = static_cast<const DWORD*>(establisherFrame);
    context->Ebp = frame[2];
    context->Esp = reinterpret_cast<DWORD>(establisherFrame);
    context->Eip = reinterpret_cast<DWORD>(&blinkery_guard_recover);
    context->EFlags &= ~0x400u; // direction flag clear, as compiled code expects
    return ExceptionContinueExecution;
}

namespace win32 {

bool GuardedStdcall(uintptr_t function, uint32_t first, uint32_t second, uint32_t& result)
{
    return blinkery_guarded_stdcall2(function, first, second, &result) == 0;
}

platform::LibraryHandle Win32PortIoLibrary::Load(const std::string& path)
{
    return reinterpret_cast<platform::LibraryHandle>(LoadLibraryA(path.c_str()));
}

platform::EntryPoint Win32PortIoLibrary::Find(platform::LibraryHandle library, const std::string& name)
{
    return reinterpret_cast<platform::EntryPoint>(
        GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str()));
}

bool Win32PortIoLibrary::Unload(platform::LibraryHandle library)
{
    return FreeLibrary(reinterpret_cast<HMODULE>(library)) != FALSE;
}

bool Win32PortIoLibrary::ReadPortUshort(platform::EntryPoint read, uint16_t port, uint16_t& value)
{
    uint32_t result = 0;
    if (!GuardedStdcall(read, port, 0, result))
        return false;
    value = static_cast<uint16_t>(result);
    return true;
}

void Win32PortIoLibrary::WritePortUshort(platform::EntryPoint write, uint16_t port, uint16_t value)
{
    uint32_t ignored = 0;
    GuardedStdcall(write, port, value, ignored);
}

} // namespace win32
