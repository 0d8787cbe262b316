/* Stand-in for DLPortIO.SYS: a kernel driver that only loads and unloads,
   so that the service control manager can install, start, stop and remove
   it for real. */
#include <ddk/wdm.h>

static void NTAPI DriverUnload(PDRIVER_OBJECT driver)
{
    (void)driver;
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath)
{
    (void)registryPath;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
