/* The stand-ins keep their control file and log next to the program that
   loaded them: path receives that folder followed by name (MAX_PATH bytes;
   a name that would not fit is left off). AppendBesideExe adds n bytes of
   text to the end of such a file, creating it when missing. */
#pragma once

#include <windows.h>

#include <string.h>

static void BesideExe(const char* name, char* path)
{
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
    char* slash = NULL;
    for (DWORD i = 0; i < n; ++i)
        if (path[i] == '\\' || path[i] == '/')
            slash = path + i;
    if (slash)
        slash[1] = '\0';
    else
        path[0] = '\0';
    if (strlen(path) + strlen(name) < MAX_PATH)
        strcat(path, name);
}

static void AppendBesideExe(const char* name, const char* text, int n)
{
    char path[MAX_PATH + 16];
    BesideExe(name, path);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL, OPEN_ALWAYS, 0, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        SetFilePointer(file, 0, NULL, FILE_END);
        WriteFile(file, text, (DWORD)n, &written, NULL);
        CloseHandle(file);
    }
}
