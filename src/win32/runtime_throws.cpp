// The runtime's error paths, replaced for size in Blinkery.exe alone (the
// test programs keep the library's). The library's helpers that the
// containers and strings call on an impossible size or a bad argument
// bring in every standard exception class, and with them a second string
// implementation and a formatter: about 80 KB of the exe. Here they throw
// one small class instead; the window and dialog procedures catch
// anything, so a caller sees the same outcome.
#include <bits/functexcept.h>

#include <cstdlib>
#include <exception>
#include <new>

namespace {

// Keeps the library's text for what().
class RuntimeFault final : public std::exception {
public:
    explicit RuntimeFault(const char* text) noexcept : text_(text) {}
    const char* what() const noexcept override { return text_; }

private:
    const char* text_;
};

} // namespace

namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_logic_error(const char* text) { throw RuntimeFault(text); }
void __throw_length_error(const char* text) { throw RuntimeFault(text); }
// The format's arguments are not filled in: the text is only for reading.
void __throw_out_of_range_fmt(const char* format, ...) { throw RuntimeFault(format); }
} // namespace std

// An exception that escapes ends the program as abort() does. This replaces
// the runtime's handler, whose message names the exception's type through a
// demangler of some 50 KB, printed to a console a windowed program has not.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
