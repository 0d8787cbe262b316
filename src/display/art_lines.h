// Line reader shared by the pixel-art and pixel-font parsers: yields the
// meaningful lines of an art file (blank lines and "//" comments skipped,
// trailing blanks and carriage returns removed) with their line numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace display {

class ArtLines {
public:
    ArtLines(std::string_view text, std::string_view source) : text_(text), source_(source) {}

    // The next meaningful line; false at the end of the text.
    bool Next(std::string_view& line);
    int LineNumber() const { return lineNumber_; }
    // "source:line: message" for the line returned last.
    std::string Where(std::string_view message) const;

private:
    std::string_view text_;
    std::string_view source_;
    size_t pos_ = 0;
    int lineNumber_ = 0;
};

std::vector<std::string_view> SplitWords(std::string_view line);
// "20x12" into width and height, both 1 to 4096.
bool ParseSize(std::string_view word, int& width, int& height);
bool ParseNumber(std::string_view word, int low, int high, int& value);

} // namespace display
