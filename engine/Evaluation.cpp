#include "Evaluation.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "Display.h"
#include "InstallLayout.h"
#include "MoveGenerator.h"
#include "NumberText.h"
#include "PieceRules.h"
#include "SquareSets.h"
#include "Support.h"

namespace ostrand {

StageTable StageTable1;
StageTable StageTable2;
StageTable StageTable3;
StageTable StageTable4;
std::string TableFolder;
std::vector<std::string> TableFaults;
RunningEvaluation Running{};

namespace {

// The file letters in loading order and the Black codes they fill; K is the knight, X the king.
struct TableFile {
    char letter;
    int16_t code;
};
constexpr TableFile TableFiles[] = {{'P', Piece::Pawn}, {'K', Piece::Knight}, {'B', Piece::Bishop},
                                    {'R', Piece::Rook}, {'X', Piece::King},   {'Q', Piece::Queen}};

// Reads up to 64 values into values. Returns how many were read; fault describes why
// reading stopped before 64, if it did.
int ReadTableValues(const std::string& path, std::array<int16_t, 64>& values, std::string& fault) {
    std::string text;
    if (!numbers::ReadFile(path, text)) {
        fault = path + " cannot be opened";
        return 0;
    }
    size_t at = 0;
    int line = 1;
    for (int count = 0; count < 64; ++count) {
        std::string_view token;
        const std::string value = "value " + std::to_string(count + 1);
        switch (numbers::NextNumber(text, at, line, values[static_cast<size_t>(count)], token)) {
            case numbers::Next::Read: break;
            case numbers::Next::End:
                fault = path + " holds only " + std::to_string(count) + " of 64 values";
                return count;
            case numbers::Next::TooLarge:
                fault = path + ": " + value + " (" + std::string(token) + ") does not fit 16 bits";
                return count;
            case numbers::Next::NotWhole:
                fault = path + ": " + value + " (" + std::string(token) + ") is not a whole number";
                return count;
        }
    }
    return 64;
}

// "P1.txt" for the letter P and stage 1.
std::string TableFileName(char letter, char stage) {
    return std::string(1, letter) + stage + ".txt";
}

// The four stages' loaders all miss the same folder; the player is told once.
void AddFault(const std::string& fault) {
    if (std::find(TableFaults.begin(), TableFaults.end(), fault) == TableFaults.end())
        TableFaults.push_back(fault);
}

// Names every folder looked in, so that the player knows where the tables belong.
std::string NoTablesFault() {
    const std::vector<std::string> folders = TableFolders();
    std::string fault = "no table file (P1.txt to Q4.txt) was found in ";
    for (size_t i = 0; i < folders.size(); ++i)
        fault += (i == 0 ? "" : i + 1 == folders.size() ? " or " : ", ") + folders[i];
    return fault;
}

void LoadStageTables(StageTable& table, char stage) {
    const std::string folder = TableFolder.empty() ? FindTableFolder() : TableFolder;
    if (folder.empty()) {
        AddFault(NoTablesFault());
        return;
    }
    for (const TableFile& file : TableFiles) {
        const std::string path = folder + "/" + TableFileName(file.letter, stage);
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
        if (!fault.empty()) AddFault(fault);
    }
}

}  // namespace

std::vector<std::string> TableFolders() {
    const std::filesystem::path program(ProgramFolder());
    return {program.string(), (program / SharedTablesFromPrograms).lexically_normal().string()};
}

std::string FindTableFolder() {
    for (const std::string& folder : TableFolders())
        for (const char stage : {'1', '2', '3', '4'})
            for (const TableFile& file : TableFiles) {
                std::error_code error;
                if (std::filesystem::exists(folder + "/" + TableFileName(file.letter, stage),
                                            error))
                    return folder;
            }
    return {};
}

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

namespace {

const StageTable* TableOfStage() {
    switch (Stage) {
        case 1: return &StageTable1;
        case 2: return &StageTable2;
        case 3: return &StageTable3;
        case 4: return &StageTable4;
        default: return nullptr;
    }
}

int16_t TableSum(const StageTable& table) {
    int sum = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            sum += table(Board(x, y), x, y);
    return static_cast<int16_t>(sum);
}

// The rest of Evaluate once the table and pawn terms are known.
int16_t EvaluateWith(int16_t tableSum, int16_t pawns) {
    if (Stage != 4) return static_cast<int16_t>(tableSum + pawns);
    const auto partial = static_cast<int16_t>(tableSum + ComputeControlMaps() + pawns);
    return static_cast<int16_t>(partial + KingSafety(partial > 0 ? -1 : 1));
}

// The number of set bits; the sets counted here hold only a few.
int BitCount(uint64_t v) {
    int n = 0;
    for (; v; v &= v - 1)
        ++n;
    return n;
}

// The isolated pawns and the files with two or more pawns of one colour's pawn set.
int PawnFaults(uint64_t pawns) {
    constexpr uint64_t FileA = 0x0101010101010101ULL;
    constexpr uint64_t FileH = FileA << 7;
    // Every square beside a pawn, widened by a rank up and down: a pawn has a neighbour
    // exactly when it stands on such a square of another pawn.
    const uint64_t beside = ((pawns << 1) & ~FileA) | ((pawns >> 1) & ~FileH);
    const uint64_t near = beside | (beside << 8) | (beside >> 8);
    // A pawn with another below it on its file marks a doubled file; fold them onto a rank.
    uint64_t below = pawns << 8;
    below |= below << 8;
    below |= below << 16;
    below |= below << 32;
    uint64_t doubled = pawns & below;
    doubled |= doubled >> 32;
    doubled |= doubled >> 16;
    doubled |= doubled >> 8;
    return BitCount(pawns & ~near) + BitCount(doubled & 0xFF);
}

// The faults of the pawn sets met lately. A search meets the same few pawn structures
// again and again, so most sets are found here instead of being counted.
struct RememberedFaults {
    uint64_t pawns;
    int16_t faults;
};
// Indexed by a hash of the set. An empty set has no faults, so the zeroed memo is right.
std::array<RememberedFaults, 2048> pawnMemo{};

int16_t PawnFaultsOf(uint64_t pawns) {
    RememberedFaults& entry = pawnMemo[(pawns * 0x9E3779B97F4A7C15ULL) >> 53];
    if (entry.pawns != pawns) entry = {pawns, static_cast<int16_t>(PawnFaults(pawns))};
    return entry.faults;
}

}  // namespace

int16_t Evaluate() {
    const StageTable* table = TableOfStage();
    if (!table) return 0;
    return EvaluateWith(TableSum(*table), PawnStructure());
}

int16_t PawnStructureOf(uint64_t blackPawns, uint64_t whitePawns) {
    return static_cast<int16_t>(25 * (PawnFaults(whitePawns) - PawnFaults(blackPawns)));
}

void StartRunningEvaluation() {
    Running.table = TableOfStage();
    Running.tableSum = Running.table ? TableSum(*Running.table) : 0;
    Running.blackPawns = Running.whitePawns = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            if (Board(x, y) == Piece::Pawn) Running.blackPawns |= sets::SetOf(Grid::Index(x, y));
            if (Board(x, y) == -Piece::Pawn) Running.whitePawns |= sets::SetOf(Grid::Index(x, y));
        }
    Running.blackPawnFaults = static_cast<int16_t>(PawnFaults(Running.blackPawns));
    Running.whitePawnFaults = static_cast<int16_t>(PawnFaults(Running.whitePawns));
    Running.pawnTerm =
        static_cast<int16_t>(25 * (Running.whitePawnFaults - Running.blackPawnFaults));
}

void MovePawns(RunningEvaluation& running, const MoveChange& move) {
    // A pawn set holds the pawns of Board, so clearing both squares takes off the pawn that
    // moved and the pawn that was captured, whichever colour they were.
    const uint64_t squares = sets::SetOf(move.from) | sets::SetOf(move.to);
    const uint64_t black =
        (running.blackPawns & ~squares) | (move.placed == Piece::Pawn ? sets::SetOf(move.to) : 0);
    const uint64_t white =
        (running.whitePawns & ~squares) | (move.placed == -Piece::Pawn ? sets::SetOf(move.to) : 0);
    if (black != running.blackPawns) {
        running.blackPawns = black;
        running.blackPawnFaults = PawnFaultsOf(black);
    }
    if (white != running.whitePawns) {
        running.whitePawns = white;
        running.whitePawnFaults = PawnFaultsOf(white);
    }
    running.pawnTerm =
        static_cast<int16_t>(25 * (running.whitePawnFaults - running.blackPawnFaults));
}

int16_t EvaluateRunningEndgame() {
    return EvaluateWith(Running.tableSum, Running.pawnTerm);
}

int16_t EvaluateEndgameAfter(const MoveChange& move) {
    Board.cells[static_cast<size_t>(move.from)] = EmptyCell;
    Board.cells[static_cast<size_t>(move.to)] = move.placed;
    const RunningEvaluation saved = Running;
    UpdateRunningEvaluation(move);
    const int16_t score = EvaluateRunningEndgame();
    Running = saved;
    Board.cells[static_cast<size_t>(move.to)] = move.captured;
    Board.cells[static_cast<size_t>(move.from)] = move.moved;
    return score;
}

}  // namespace ostrand
