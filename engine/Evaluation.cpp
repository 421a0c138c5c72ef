#include "Evaluation.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "Display.h"
#include "MoveGenerator.h"
#include "Support.h"

namespace ostrand {

StageTable StageTable1;
StageTable StageTable2;
StageTable StageTable3;
StageTable StageTable4;
std::string TableFolder;
std::vector<std::string> TableFaults;

namespace {

// The file letters in loading order and the Black codes they fill; K is the knight, X the king.
struct TableFile {
    char letter;
    int16_t code;
};
constexpr TableFile TableFiles[] = {{'P', Piece::Pawn}, {'K', Piece::Knight}, {'B', Piece::Bishop},
                                    {'R', Piece::Rook}, {'X', Piece::King},   {'Q', Piece::Queen}};

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// Reads up to 64 values separated by blanks, commas or line ends into values. Returns how
// many were read; fault describes why reading stopped before 64, if it did.
int ReadTableValues(const std::string& path, std::array<int16_t, 64>& values, std::string& fault) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fault = path + " cannot be opened";
        return 0;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    int count = 0;
    size_t i = 0;
    while (count < 64) {
        while (i < text.size() && IsSeparator(text[i]))
            ++i;
        if (i == text.size()) {
            fault = path + " holds only " + std::to_string(count) + " of 64 values";
            return count;
        }
        size_t end = i;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        const std::string_view token(text.data() + i, end - i);
        int16_t value = 0;
        const char* first = token.data();
        if (token.size() > 1 && token[0] == '+') ++first;
        const auto [ptr, error] = std::from_chars(first, token.data() + token.size(), value);
        if (error == std::errc::result_out_of_range ||
            (error == std::errc() && ptr != token.data() + token.size() &&
             std::isdigit(static_cast<unsigned char>(*ptr)))) {
            fault = path + ": value " + std::to_string(count + 1) + " (" + std::string(token) +
                    ") does not fit 16 bits";
            return count;
        }
        if (error != std::errc() || ptr != token.data() + token.size()) {
            fault = path + ": value " + std::to_string(count + 1) + " (" + std::string(token) +
                    ") is not a whole number";
            return count;
        }
        values[count++] = value;
        i = end;
    }
    return count;
}

void LoadStageTables(StageTable& table, char stage) {
    const std::string folder = TableFolder.empty() ? ProgramFolder() : TableFolder;
    for (const TableFile& file : TableFiles) {
        const std::string path = folder + "/" + file.letter + stage + ".txt";
        std::array<int16_t, 64> values{};
        std::string fault;
        const int count = ReadTableValues(path, values, fault);
        // Value k is file (k % 8) + 1 of rank (k / 8) + 1 for Black; White's piece stands on
        // the rank mirrored and is worth the negative.
        for (int k = 0; k < count; ++k) {
            const int x = k % 8 + 1, y = k / 8 + 1;
            table(file.code, x, y) = values[k];
            table(-file.code, x, 9 - y) = static_cast<int16_t>(-values[k]);
        }
        if (!fault.empty()) TableFaults.push_back(fault);
    }
}

}  // namespace

void LoadStage1Tables() {
    LoadStageTables(StageTable1, '1');
}
void LoadStage2Tables() {
    LoadStageTables(StageTable2, '2');
}
void LoadStage3Tables() {
    LoadStageTables(StageTable3, '3');
}
void LoadStage4Tables() {
    LoadStageTables(StageTable4, '4');
}

int16_t MaterialSum() {
    int sum = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            sum += Board(x, y);
    return static_cast<int16_t>(sum);
}

int16_t PawnStructure() {
    auto holds = [](int x, int y, int code) { return Board(x, y) == code; };
    // A pawn with no pawn of its colour on the six squares of the neighbouring files.
    auto isolated = [&](int x, int y, int code) {
        return !holds(x - 1, y, code) && !holds(x + 1, y, code) && !holds(x - 1, y + 1, code) &&
               !holds(x + 1, y + 1, code) && !holds(x - 1, y - 1, code) &&
               !holds(x + 1, y - 1, code);
    };
    int score = 0;
    for (int x = 1; x <= 8; ++x) {
        int black = 0, white = 0;
        for (int y = 1; y <= 8; ++y) {
            if (Board(x, y) == Piece::Pawn) {
                ++black;
                if (isolated(x, y, Piece::Pawn)) score -= 25;
            }
            if (Board(x, y) == -Piece::Pawn) {
                ++white;
                if (isolated(x, y, -Piece::Pawn)) score += 25;
            }
        }
        if (black >= 2) score -= 25;
        if (white >= 2) score += 25;
    }
    return static_cast<int16_t>(score);
}

int16_t ComputeControlMaps() {
    ClearAttackMaps();
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            if (Board(x, y) < 0) MarkWhitePieceControl(x, y);
            if (Board(x, y) > 0) MarkBlackPieceControl(x, y);
        }
    return 0;
}

int16_t KingSafety(int16_t sign) {
    int16_t bx = 0, by = 0, wx = 0, wy = 0;
    FindKings(bx, by, wx, wy);
    int attacks = 3 * BlackAttacks(wx, wy) - 2 * WhiteAttacks(bx, by);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx != 0 || dy != 0) attacks -= WhiteAttacks(bx + dx, by + dy);
    int term = 25 * attacks;
    if (Board(bx, by - 1) == Piece::Pawn) term += 40;
    if (Board(bx + 1, by - 1) == Piece::Pawn) term += 30;
    if (Board(bx - 1, by - 1) == Piece::Pawn) term += 30;
    if (Board(wx, wy + 1) == -Piece::Pawn) term -= 40;
    if (Board(wx + 1, wy + 1) == -Piece::Pawn) term -= 30;
    if (Board(wx - 1, wy + 1) == -Piece::Pawn) term -= 30;
    const int distance = static_cast<int>(
        std::floor(std::sqrt(static_cast<double>((by - wy) * (by - wy) + (bx - wx) * (bx - wx)))));
    // Sums wrap in 16 bits, as the whole evaluation does.
    return static_cast<int16_t>(static_cast<int16_t>(term) - distance * 30 * sign);
}

int16_t Evaluate() {
    const StageTable* table = nullptr;
    switch (Stage) {
        case 1: table = &StageTable1; break;
        case 2: table = &StageTable2; break;
        case 3: table = &StageTable3; break;
        case 4: table = &StageTable4; break;
        default: return 0;
    }
    int sum = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            sum += (*table)(Board(x, y), x, y);
    if (Stage != 4) return static_cast<int16_t>(sum + PawnStructure());
    sum += ComputeControlMaps();
    const auto partial = static_cast<int16_t>(sum + PawnStructure());
    return static_cast<int16_t>(partial + KingSafety(partial > 0 ? -1 : 1));
}

}  // namespace ostrand
