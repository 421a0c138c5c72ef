// Text files of numbers, as the piece-square tables and the saved game are: read the way
// the line-oriented reader they come from reads them, so that blanks before a number are
// skipped and a number ends at a blank, a comma or a line end.
//
// Internal to the engine.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrand::numbers {

// The whole file; false when it cannot be opened.
bool ReadFile(const std::string& path, std::string& contents);

enum class Next {
    Read,      // value holds the number
    End,       // no number before the end of the text
    NotWhole,  // token is not a whole decimal number
    TooLarge,  // token is a whole number outside 16 bits
};

// Reads the next number of text from position at, which moves past it; line counts the
// line ends passed over. token is the text of the number, or of what stood in its place.
Next NextNumber(std::string_view text, size_t& at, int& line, int16_t& value,
                std::string_view& token);

}  // namespace ostrand::numbers
