// Windows path pieces.
#pragma once

#include <string>

// The file-name part of a path: what follows the last '\', '/' or ':'.
std::string FileNamePart(const std::string& path);

// The path with its file's extension replaced (or added): "C:\B\X.EXE" and
// ".hlp" give "C:\B\X.hlp".
std::string ChangeFileExtension(const std::string& path, const char* extension);
