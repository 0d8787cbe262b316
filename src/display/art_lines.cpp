#include "display/art_lines.h"

#include <charconv>

namespace display {

bool ArtLines::Next(std::string_view& line) {
    while (pos_ < text_.size()) {
        size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view raw = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++lineNumber_;
        while (!raw.empty() && (raw.back() == '\r' || raw.back() == ' ' || raw.back() == '\t')) raw.remove_suffix(1);
        size_t first = raw.find_first_not_of(" \t");
        if (first == std::string_view::npos || raw.substr(first).starts_with("//")) continue;
        line = raw;
        return true;
    }
    return false;
}

std::string ArtLines::Where(std::string_view message) const {
    return std::string(source_) + ":" + std::to_string(lineNumber_) + ": " + std::string(message);
}

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) break;
        size_t end = line.find_first_of(" \t", pos);
        if (end == std::string_view::npos) end = line.size();
        words.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

bool ParseNumber(std::string_view word, int low, int high, int& value) {
    int parsed = 0;
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (ec != std::errc() || ptr != word.data() + word.size() || parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

bool ParseSize(std::string_view word, int& width, int& height) {
    const size_t x = word.find('x');
    return x != std::string_view::npos && ParseNumber(word.substr(0, x), 1, 4096, width) &&
           ParseNumber(word.substr(x + 1), 1, 4096, height);
}

} // namespace display
