#include "Messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace messages {

namespace {

class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

  public:
    // Each phrase as the engine or the library writes it, its variable parts captured, with
    // its translation, in which %1, %2 and %3 stand for the parts. A longer phrase comes
    // before a shorter one that would also match.
    static std::vector<std::pair<const char*, QString>> Phrases() {
        return {
            // At the end of a game.
            {"Check Mate!", tr("Check Mate!")},
            {"Stale Mate!", tr("Stale Mate!")},
            // The piece-square tables.
            {"The piece-square tables are incomplete, the engine plays without the missing "
             "values: (.+)",
             tr("The piece-square tables are incomplete, the engine plays without the missing "
                "values: %1")},
            {R"(no table file \(P1\.txt to Q4\.txt\) was found in (.+) or (.+))",
             tr("no table file (P1.txt to Q4.txt) was found in %1 or %2")},
            {R"(no table file \(P1\.txt to Q4\.txt\) was found in (.+))",
             tr("no table file (P1.txt to Q4.txt) was found in %1")},
            {"(.+) cannot be opened", tr("%1 cannot be opened")},
            {R"((.+) holds only (\d+) of 64 values)", tr("%1 holds only %2 of 64 values")},
            {R"((.+): value (\d+) \((.*)\) does not fit 16 bits)",
             tr("%1: value %2 (%3) does not fit 16 bits")},
            {R"((.+): value (\d+) \((.*)\) is not a whole number)",
             tr("%1: value %2 (%3) is not a whole number")},
            // The saved game.
            {R"(Cannot save the game to (.+): the file cannot be written\.)",
             tr("Cannot save the game to %1: the file cannot be written.")},
            {R"(Cannot save the game to (.+): (.+)\.)", tr("Cannot save the game to %1: %2.")},
            {R"(Cannot load (.+), line (\d+): (.+)\. The game is unchanged\.)",
             tr("Cannot load %1, line %2: %3. The game is unchanged.")},
            {R"(Cannot load (.+): (.+)\. The game is unchanged\.)",
             tr("Cannot load %1: %2. The game is unchanged.")},
            {"the file cannot be read", tr("the file cannot be read")},
            {"the file is far too large for a saved game",
             tr("the file is far too large for a saved game")},
            {"'(.*)' does not fit 16 bits", tr("'%1' does not fit 16 bits")},
            {"'(.*)' is not a whole number", tr("'%1' is not a whole number")},
            {R"(the file ends after (\d+) of (\d+) values)",
             tr("the file ends after %1 of %2 values")},
            {"the move count is negative", tr("the move count is negative")},
            {R"(the border cell \((-?\d+),(-?\d+)\) holds (-?\d+) instead of 2)",
             tr("the border cell (%1,%2) holds %3 instead of 2")},
            {R"(the square \((\d+),(\d+)\) holds (-?\d+), which is no piece)",
             tr("the square (%1,%2) holds %3, which is no piece")},
            // An analysis's engine.
            {"The engine (.+) failed on (.+): (.+)", tr("The engine %1 failed on %2: %3")},
            {"Cannot start the engine (.+): (.+)", tr("Cannot start the engine %1: %2")},
            {"the position after (.+)", tr("the position after %1")},
            {"the start position", tr("the start position")},
            {"it answered the illegal move '(.*)'", tr("it answered the illegal move '%1'")},
            {"it answered nonsense: a line of more than a megabyte",
             tr("it answered nonsense: a line of more than a megabyte")},
            {"it answered nonsense: '(.*)'", tr("it answered nonsense: '%1'")},
            {"it gave no score before its move", tr("it gave no score before its move")},
            {"it did not answer '(.+)' in time", tr("it did not answer '%1' in time")},
            {"it did not answer in time", tr("it did not answer in time")},
            {R"(it stopped \(killed by signal (\d+)\))", tr("it stopped (killed by signal %1)")},
            {R"(it stopped \(exit status (\d+)\))", tr("it stopped (exit status %1)")},
            {"it stopped", tr("it stopped")},
            {"No engine program is given", tr("No engine program is given")},
            {"Analysis with an engine is not available on Windows",
             tr("Analysis with an engine is not available on Windows")},
            // PGN files and games.
            {R"((.+): the standard rules \(Game menu\) would play it)",
             tr("%1: the standard rules (Game menu) would play it")},
            {R"(not a PGN file: it holds binary data \(byte (0x[0-9a-f]{2}) on line (\d+)\))",
             tr("not a PGN file: it holds binary data (byte %1 on line %2)")},
            {"no game in the file", tr("no game in the file")},
            {"Cannot read (.+): (.+)", tr("Cannot read %1: %2")},
            {R"(line (\d+): (.+))", tr("line %1: %2")},
            {"unexpected (.+)", tr("unexpected %1")},
            {"byte (0x[0-9a-f]{2})", tr("byte %1")},
            {R"(a tag is not of the form \[Name "value"\])",
             tr(R"(a tag is not of the form [Name "value"])")},
            {"a comment '\\{' is not closed", tr("a comment '{' is not closed")},
            {"a variation '\\(' is not closed", tr("a variation '(' is not closed")},
            {"FEN tag: (.+)", tr("FEN tag: %1")},
            {R"(move (\d+) \(([^)]*)\): (.+))", tr("move %1 (%2): %3")},
            {R"(move (\d+) \(([^)]*)\))", tr("move %1 (%2)")},
            {"illegal move", tr("illegal move")},
            {"ambiguous move", tr("ambiguous move")},
            {"not a move", tr("not a move")},
            {"null move", tr("null move")},
            // What the engine's rules leave out.
            {"en passant, which the engine's rules do not have",
             tr("en passant, which the engine's rules do not have")},
            {"promotion to a piece other than a queen, which the engine's rules do not have",
             tr("promotion to a piece other than a queen, which the engine's rules do not have")},
            {"the board holds something that is no piece",
             tr("the board holds something that is no piece")},
            {"set up without en passant on ([a-h][1-8]): the engine's rules have no en passant",
             tr("set up without en passant on %1: the engine's rules have no en passant")},
            // The opening book.
            {R"(the opening book (.+) is damaged \((.+)\); playing without it)",
             tr("the opening book %1 is damaged (%2); playing without it")},
            {"no opening book (.+) was found; playing without it",
             tr("no opening book %1 was found; playing without it")},
            {R"(expected moves and then a weight from 1 to (\d+))",
             tr("expected moves and then a weight from 1 to %1")},
            {"'(.*)' is not a legal move here", tr("'%1' is not a legal move here")},
            {"the file could not be read", tr("the file could not be read")},
            {"'([^']*)' is (.+)", tr("'%1' is %2")},
            // Positions in FEN.
            {R"(the FEN's placement has (\d+) ranks, not 8)",
             tr("the FEN's placement has %1 ranks, not 8")},
            {R"(rank (\d+) of the FEN has an unexpected (.+))",
             tr("rank %1 of the FEN has an unexpected %2")},
            {R"(rank (\d+) of the FEN has (\d+) squares, not 8)",
             tr("rank %1 of the FEN has %2 squares, not 8")},
            {"a FEN has the placement, the side to move and up to four more fields",
             tr("a FEN has the placement, the side to move and up to four more fields")},
            {"the FEN's side to move must be w or b", tr("the FEN's side to move must be w or b")},
            {"the FEN's castling field '(.*)' is not of KQkq or -",
             tr("the FEN's castling field '%1' is not of KQkq or -")},
            {"the FEN's en passant square '(.*)' does not follow a pawn's double step",
             tr("the FEN's en passant square '%1' does not follow a pawn's double step")},
            {"the FEN's move counters are not numbers",
             tr("the FEN's move counters are not numbers")},
            {"the FEN's move number starts at 1", tr("the FEN's move number starts at 1")},
            {"the position has (.+) and (.+); it needs one of each",
             tr("the position has %1 and %2; it needs one of each")},
            {"no white king", tr("no white king")},
            {"1 white king", tr("1 white king")},
            {R"((\d+) white kings)", tr("%1 white kings")},
            {"no black king", tr("no black king")},
            {"1 black king", tr("1 black king")},
            {R"((\d+) black kings)", tr("%1 black kings")},
            {"the position has a pawn on ([a-h][18])", tr("the position has a pawn on %1")},
            {"Black is in check but it is White's move",
             tr("Black is in check but it is White's move")},
            {"White is in check but it is Black's move",
             tr("White is in check but it is Black's move")},
        };
    }
};

}  // namespace

QString Translated(const QString& text) {
    for (const auto& [english, shown] : Messages::Phrases()) {
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(english)).match(text);
        if (!match.hasMatch()) continue;
        QStringList parts;
        for (int i = 1; i <= match.lastCapturedIndex(); ++i)
            parts << Translated(match.captured(i));
        // One substitution for all parts, so that a part holding "%1" stays as it is.
        switch (parts.size()) {
            case 0: return shown;
            case 1: return shown.arg(parts[0]);
            case 2: return shown.arg(parts[0], parts[1]);
            default: return shown.arg(parts[0], parts[1], parts[2]);
        }
    }
    // A file's name before the message about it, or a list of messages.
    for (const QString separator : {": ", "; "}) {
        const qsizetype at = text.indexOf(separator);
        if (at > 0)
            return Translated(text.left(at)) + separator +
                   Translated(text.mid(at + separator.size()));
    }
    return text;
}

QString ShownSan(const std::string& san) {
    const std::pair<char, QString> letters[] = {
        {'K', Messages::tr("K", "the king in a move's notation")},
        {'Q', Messages::tr("Q", "the queen in a move's notation")},
        {'R', Messages::tr("R", "the rook in a move's notation")},
        {'B', Messages::tr("B", "the bishop in a move's notation")},
        {'N', Messages::tr("N", "the knight in a move's notation")},
    };
    QString shown;
    for (char c : san) {
        const auto* letter = std::find_if(std::begin(letters), std::end(letters),
                                          [c](const auto& each) { return each.first == c; });
        shown += letter != std::end(letters) ? letter->second : QString(QChar(c));
    }
    return shown;
}

}  // namespace messages
