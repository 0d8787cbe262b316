/* A real access violation, the same in every Wine mode and on every Windows:
   a write to a page committed read-only. A read of address 0 or of a
   PAGE_NOACCESS page is no such thing: Windows 9x (and Wine copying it)
   can serve such a read without a fault. Shared by the stand-in port I/O
   library's faulting port and the fault-guard tests. */
#pragma once

#include <windows.h>

static volatile LONG* ReadOnlyPage(void)
{
    static volatile LONG* page;
    if (!page) {
        void* fresh = VirtualAlloc(NULL, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READONLY);
        /* two threads may race here: the loser frees its page */
        if (InterlockedCompareExchangePointer((PVOID volatile*)&page, fresh, NULL) != NULL)
            VirtualFree(fresh, 0, MEM_RELEASE);
    }
    return page;
}

/* Faults; returns only if the page could not be had, with 0. */
static unsigned long RaiseAccessViolation(void)
{
    volatile LONG* page = ReadOnlyPage();
    if (page)
        *page = 1;
    return 0;
}
