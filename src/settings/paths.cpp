#include "settings/paths.h"

std::string FileNamePart(const std::string& path)
{
    size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string Unquoted(const std::string& path)
{
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        return path.substr(1, path.size() - 2);
    return path;
}

std::string ChangeFileExtension(const std::string& path, const char* extension)
{
    size_t dot = path.find_last_of('.');
    size_t folder = path.find_last_of("\\/:");
    std::string result = path;
    if (dot != std::string::npos && (folder == std::string::npos || dot > folder))
        result.resize(dot);
    result += extension;
    return result;
}
