#include "app/command_line.h"

#include "settings/ini_values.h"

namespace {

bool IsAutoCheck(const std::string& arg)
{
    static const char Switch[] = "-AUTOCHECK";
    if (arg.size() != sizeof Switch - 1)
        return false;
    for (size_t i = 0; i < arg.size(); ++i) {
        char c = arg[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != Switch[i])
            return false;
    }
    return true;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine result;
    for (size_t i = 0; i < args.size() && i < 2; ++i) {
        if (IsAutoCheck(args[i])) {
            result.AutoCheck = true;
        } else if (result.Port == NoCommandLinePort) {
            std::optional<int32_t> port;
            if (!args[i].empty() && args[i][0] >= '0' && args[i][0] <= '9')
                port = ParseIniInt(args[i]);
            result.Port = port && *port >= 1 && *port <= 8 ? *port : InvalidCommandLinePort;
        }
    }
    return result;
}

std::vector<std::string> SplitCommandLine(const std::string& tail)
{
    std::vector<std::string> args;
    std::string current;
    bool quoted = false, any = false;
    for (char c : tail) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any)
                args.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        args.push_back(current);
    return args;
}
