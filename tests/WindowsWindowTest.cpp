// The parts of the Windows window that need no Windows: its texts, carried over from the Qt
// window's translation files, and the form's layout at each scale, which both windows share.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "FormLayout.h"
#include "Translations.h"
#include "Words.h"

namespace win = ostrand::win;

TEST(WindowsTexts, FoundByContextSourceAndComment) {
    EXPECT_EQ(win::TranslatedLanguages(), (std::vector<std::string>{"de", "es", "fr"}));
    // Entities of the XML decoded, mnemonics kept, a comment telling two sources apart.
    EXPECT_EQ(win::Translate("fr", "MainWindow", "&Game"), "&Partie");
    EXPECT_EQ(win::Translate("de", "Messages", "N", "the knight in a move's notation"), "S");
    EXPECT_EQ(win::Translate("de", "Messages", "N"), "N");
    EXPECT_EQ(win::Translate("de", "F_Board", "Would you like to play whites?"),
              "M\xC3\xB6"
              "chten Sie mit Wei\xC3\x9F spielen?");
    // English, an unknown language, context or text: the source as it is.
    for (const auto& [language, context] :
         {std::pair("en", "F_Board"), {"xx", "F_Board"}, {"de", "NoSuchContext"}})
        EXPECT_EQ(win::Translate(language, context, "New"), "New");
    EXPECT_EQ(win::Translate("de", "F_Board", "No such text"), "No such text");

    win::SetLanguage("de");
    EXPECT_EQ(win::ShownSan("Nxe5+"), "Sxe5+");
    EXPECT_EQ(win::StandingWords({}), win::Tr("status", "Your move"));
    win::SetLanguage("en");
    EXPECT_EQ(win::ShownSan("Nxe5+"), "Nxe5+");
}

// A translation that lost or gained a %1 would show the wrong words or a raw placeholder.
TEST(WindowsTexts, EveryTranslationKeepsThePlaceholders) {
    const auto placeholders = [](const std::string& text) {
        const std::regex number("%[1-9]");
        std::multiset<std::string> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
             it != std::sregex_iterator(); ++it)
            found.insert(it->str());
        return found;
    };
    ASSERT_GT(win::TranslationTable().size(), 600u);
    for (const win::Translation& each : win::TranslationTable())
        EXPECT_EQ(placeholders(each.source), placeholders(each.text))
            << each.language << " " << each.context << ": " << each.source;
}

TEST(WindowsTexts, ArgAndPlainText) {
    EXPECT_EQ(win::Arg("%2 before %1", {"a", "b"}), "b before a");
    // One pass: an argument holding a placeholder stays as it is; one without an argument too.
    EXPECT_EQ(win::Arg("%1 and %3", {"%2", "x"}), "%2 and %3");
    EXPECT_EQ(win::PlainText("<p><b>New</b> &lt; Move &#9656; Level &amp; &#x41;</p><p>Two</p>"),
              "New < Move \xE2\x96\xB8 Level & A\n\nTwo");
    EXPECT_EQ(win::PlainText("a &nosuch; b & c"), "a &nosuch; b & c");
}

// At any scale the squares are one size, and neighbours share their border pixel as at 100 %.
TEST(WindowsLayout, SquaresShareTheirBordersAtEveryScale) {
    using namespace ostrand::form;
    EXPECT_EQ(ostrand::form::OnScreen(Square(1, 1, 0), 100),
              (ostrand::form::Pixels{9, 201, 25, 25}));
    EXPECT_EQ(ostrand::form::OnScreen(NewGame, 100), (ostrand::form::Pixels{9, 249, 64, 22}));
    for (int scale : {100, 125, 150, 175, 200, 250, 300}) {
        for (int file = 1; file < 8; ++file) {
            const ostrand::form::Pixels here = ostrand::form::OnScreen(Square(file, 1, 0), scale);
            const ostrand::form::Pixels next =
                ostrand::form::OnScreen(Square(file + 1, 1, 0), scale);
            EXPECT_EQ(next.left, here.left + here.width - 1) << scale << "% file " << file;
            EXPECT_EQ(next.width, here.width) << scale << "% file " << file;
        }
    }
    // Turned, a1 stands where h8 stood; turned again, where it was.
    EXPECT_EQ(ostrand::form::OnScreen(Turned(Square(1, 1, 0)), 100),
              ostrand::form::OnScreen(Square(8, 8, 0), 100));
    EXPECT_EQ(ostrand::form::OnScreen(Turned(Turned(Square(3, 5, 1))), 150),
              ostrand::form::OnScreen(Square(3, 5, 1), 150));
}

// The engine's messages with their variable parts, each part translated in turn; the longest
// text that fits wins ("line %2" over a plain "%2"), and English passes through.
TEST(WindowsTexts, MessagesWithTheirParts) {
    const std::string load =
        "Cannot load C:\\a.b (1)\\Board.txt: the file cannot be read. The game "
        "is unchanged.";
    EXPECT_EQ(win::TranslateMessage("de", load),
              "C:\\a.b (1)\\Board.txt l\xC3\xA4sst sich nicht laden: die Datei kann nicht "
              "gelesen werden. Die Partie bleibt unver\xC3\xA4ndert.");
    EXPECT_EQ(win::TranslateMessage("de",
                                    "the position has no white king and 2 black kings; it "
                                    "needs one of each"),
              win::Arg(win::Translate("de", "Messages",
                                      "the position has %1 and %2; it needs one of each"),
                       {"keinen wei\xC3\x9F"
                        "en K\xC3\xB6"
                        "nig",
                        win::Arg(win::Translate("de", "Messages", "%1 black kings"), {"2"})}));
    EXPECT_EQ(win::TranslateMessage("de", "x.pgn: no game in the file"),
              "x.pgn: " + win::Translate("de", "Messages", "no game in the file"));
    EXPECT_EQ(win::TranslateMessage("en", load), load);
    EXPECT_EQ(win::TranslateMessage("fr", "Check Mate!"),
              win::Translate("fr", "Messages", "Check Mate!"));
}
