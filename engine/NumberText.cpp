#include "NumberText.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace ostrand::numbers {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

}  // namespace

bool ReadFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream buffer;
    buffer << in.rdbuf();
    contents = buffer.str();
    return true;
}

Next NextNumber(std::string_view text, size_t& at, int& line, int16_t& value,
                std::string_view& token) {
    while (at < text.size() && IsSeparator(text[at])) {
        if (text[at] == '\n') ++line;
        ++at;
    }
    if (at == text.size()) return Next::End;
    size_t end = at;
    while (end < text.size() && !IsSeparator(text[end]))
        ++end;
    token = text.substr(at, end - at);
    at = end;

    const char* first = token.data();
    const char* last = token.data() + token.size();
    if (token.size() > 1 && token[0] == '+') ++first;  // a plus sign is allowed, as a minus
    int number = 0;
    const auto [ptr, status] = std::from_chars(first, last, number);
    if (status == std::errc::result_out_of_range ||
        (status == std::errc() && ptr == last && (number < INT16_MIN || number > INT16_MAX)))
        return Next::TooLarge;
    if (status != std::errc() || ptr != last) return Next::NotWhole;
    value = static_cast<int16_t>(number);
    return Next::Read;
}

}  // namespace ostrand::numbers
