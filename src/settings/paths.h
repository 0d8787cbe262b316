// Windows path pieces.
#pragma once

#include <string>

// The file-name part of a path: what follows the last '\', '/' or ':'.
std::string FileNamePart(const std::string& path);

// A path without the pair of double quotes that may enclose it (a program
// path with blanks is stored quoted, so that its launch runs it whole).
std::string Unquoted(const std::string& path);

// The path with its file's extension replaced (or added): "C:\B\X.EXE" and
// ".hlp" give "C:\B\X.hlp".
std::string ChangeFileExtension(const std::string& path, const char* extension);
