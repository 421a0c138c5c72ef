// The window's texts in the player's language, from the same translations as the Qt window,
// carried over at build time by ts_table.py: a text is found by its context (the Qt class
// that says it), its English source and, where one text has two meanings, a comment. None of
// this needs Windows, so it is tested on every system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ostrand::win {

struct Translation {
    const char* language;  // "de"
    const char* context;   // "MainWindow"
    const char* source;    // the English text, UTF-8
    const char* comment;   // "" unless the source needs telling apart
    const char* text;      // the translation, UTF-8
};

// Generated: every finished translation, sorted by language, context, source and comment.
const std::vector<Translation>& TranslationTable();

// The languages there are translations into, as codes ("de", "es", "fr"), sorted.
std::vector<std::string> TranslatedLanguages();

// The translation into language, or source itself for English, an unknown language or a
// text without a translation.
std::string Translate(std::string_view language, std::string_view context, std::string_view source,
                      std::string_view comment = {});

// A message of the engine or the notation library ("Cannot load X: the file cannot be read.
// The game is unchanged."), translated as the Qt window translates it: by the Messages texts
// whose placeholders stand for its variable parts, the parts translated in turn, the longest
// such text that fits first; then a file's name before a message, or a list of messages, at
// ": " or "; ". English, or anything no text fits, stays as it is.
std::string TranslateMessage(std::string_view language, const std::string& text);

// text with %1, %2, ... replaced by the arguments in one pass, so that an argument holding
// "%2" stays as it is.
std::string Arg(std::string_view text, const std::vector<std::string>& arguments);

// The Qt window's rich text as a message box shows it: paragraphs as blank lines, tags
// dropped, the entities &lt; &gt; &amp; &quot; and numeric ones (&#9656;) as their characters.
std::string PlainText(std::string_view html);

}  // namespace ostrand::win
