#include "Translations.h"

#include <algorithm>
#include <cstdint>
#include <regex>
#include <tuple>

namespace ostrand::win {

namespace {

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character an entity (without & and ;) stands for; false for one not known.
bool Entity(std::string_view name, std::string& out) {
    if (name == "lt") return out += '<', true;
    if (name == "gt") return out += '>', true;
    if (name == "amp") return out += '&', true;
    if (name == "quot") return out += '"', true;
    if (name.size() < 2 || name[0] != '#') return false;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 6) return false;
    uint32_t code = 0;
    for (char c : digits) {
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0) return false;
        code = code * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
    }
    if (code == 0 || code > 0x10FFFF) return false;
    AppendUtf8(out, code);
    return true;
}

}  // namespace

std::vector<std::string> TranslatedLanguages() {
    std::vector<std::string> languages;
    for (const Translation& each : TranslationTable())
        if (languages.empty() || languages.back() != each.language)
            languages.emplace_back(each.language);
    return languages;
}

std::string Translate(std::string_view language, std::string_view context, std::string_view source,
                      std::string_view comment) {
    const std::vector<Translation>& table = TranslationTable();
    const auto key = [](const Translation& each) {
        return std::tuple<std::string_view, std::string_view, std::string_view, std::string_view>(
            each.language, each.context, each.source, each.comment);
    };
    const auto wanted = std::tuple(language, context, source, comment);
    const auto found =
        std::lower_bound(table.begin(), table.end(), wanted,
                         [&key](const Translation& each, const auto& w) { return key(each) < w; });
    if (found != table.end() && key(*found) == wanted) return found->text;
    return std::string(source);
}

std::string TranslateMessage(std::string_view language, const std::string& text) {
    if (const std::string exact = Translate(language, "Messages", text); exact != text)
        return exact;
    const Translation* best = nullptr;
    std::smatch bestMatch;
    std::vector<int> bestOrder;
    size_t bestLiteral = 0;
    for (const Translation& each : TranslationTable()) {
        const std::string_view source = each.source;
        if (each.language != language || std::string_view(each.context) != "Messages" ||
            source.find('%') == std::string_view::npos)
            continue;
        // The source as a pattern: its placeholders capture, the rest is literal.
        std::string pattern;
        std::vector<int> order;
        size_t literal = 0;
        for (size_t i = 0; i < source.size(); ++i) {
            if (source[i] == '%' && i + 1 < source.size() && source[i + 1] >= '1' &&
                source[i + 1] <= '9') {
                pattern += "(.+)";
                order.push_back(source[++i] - '1');
                continue;
            }
            if (std::string_view("^$\\.*+?()[]{}|/").find(source[i]) != std::string_view::npos)
                pattern += '\\';
            pattern += source[i];
            ++literal;
        }
        std::smatch match;
        if (literal > bestLiteral && std::regex_match(text, match, std::regex(pattern))) {
            best = &each;
            bestMatch = match;
            bestOrder = order;
            bestLiteral = literal;
        }
    }
    if (best) {
        std::vector<std::string> parts(bestOrder.size());
        for (size_t i = 0; i < bestOrder.size(); ++i)
            if (static_cast<size_t>(bestOrder[i]) < parts.size())
                parts[static_cast<size_t>(bestOrder[i])] =
                    TranslateMessage(language, bestMatch[i + 1].str());
        return Arg(best->text, parts);
    }
    for (const std::string_view separator : {": ", "; "}) {
        const size_t at = text.find(separator);
        if (at != std::string::npos && at > 0)
            return TranslateMessage(language, text.substr(0, at)) + std::string(separator) +
                   TranslateMessage(language, text.substr(at + separator.size()));
    }
    return text;
}

std::string Arg(std::string_view text, const std::vector<std::string>& arguments) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<size_t>(text[i + 1] - '1');
            if (n < arguments.size()) {
                out += arguments[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string PlainText(std::string_view html) {
    std::string out;
    for (size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            const std::string_view tag = html.substr(i + 1, end - i - 1);
            // A paragraph's end, or a line break, ends the line; a paragraph leaves a gap.
            if (tag == "/p" && html.find_first_not_of(" \n", end + 1) != std::string_view::npos)
                out += "\n\n";
            else if (tag == "br" || tag == "br/" || tag == "br /")
                out += '\n';
            i = end + 1;
        } else if (html[i] == '&') {
            const size_t end = html.find(';', i);
            if (end != std::string_view::npos && end - i <= 9 &&
                Entity(html.substr(i + 1, end - i - 1), out)) {
                i = end + 1;
            } else {
                out += html[i++];
            }
        } else {
            out += html[i++];
        }
    }
    return out;
}

}  // namespace ostrand::win
