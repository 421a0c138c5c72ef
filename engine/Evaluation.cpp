#include "Evaluation.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <system_error>
#include <utility>

#include "Display.h"
#include "EvaluationInternal.h"
#include "InstallLayout.h"
#include "NumberText.h"
#include "PieceRules.h"
#include "SquareSets.h"

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
    const std::string program = ProgramFolder();
    // An installation that keeps its tables beside its programs, as on Windows, has one
    // folder to name.
    if (SharedTablesFromPrograms.empty()) return {program};
    return {
        program,
        NarrowPath((std::filesystem::path(program) / SharedTablesFromPrograms).lexically_normal())};
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

// The king term counts the squares each piece covers, whatever stands there. What a pawn,
// knight or king covers depends only on where it stands relative to the cell asked about,
// border cells included. For every offset (dx, dy) from
// a king's cell to the piece, -8 to 8 each way, the tables say how often the piece marks
// the cells around Black's king (its own cell counted twice), or whether it covers White's
// king's cell. For every cell a king may stand on, the sets say from which squares a pawn
// covers anything there, and which squares of the board lie around it.
struct MarkWeights {
    static constexpr size_t Index(int dx, int dy) {
        return static_cast<size_t>((dx + 8) * 17 + (dy + 8));
    }
    std::array<uint8_t, 17 * 17> whitePawnAround{}, knightAround{}, kingAround{};
    std::array<uint8_t, 17 * 17> knightOn{}, kingOn{};
    std::array<uint64_t, Grid::CellCount> whitePawnsAround{}, blackPawnsOn{}, squaresAround{};
    std::array<uint8_t, 129> distance{};  // the whole part of the square root of 0 to 128
};

constexpr MarkWeights MakeMarkWeights() {
    MarkWeights w;
    // Around a king at (0, 0): 2 on its own cell, 1 on the eight cells next to it.
    auto around = [](int x, int y) {
        const int far = std::max(x < 0 ? -x : x, y < 0 ? -y : y);
        return far == 0 ? 2 : far == 1 ? 1 : 0;
    };
    for (int dx = -8; dx <= 8; ++dx)
        for (int dy = -8; dy <= 8; ++dy) {
            const size_t i = MarkWeights::Index(dx, dy);
            for (int mx : {0, 1, -1})
                w.whitePawnAround[i] += static_cast<uint8_t>(around(dx + mx, dy + 1));
            for (const rules::Step& s : rules::KnightOffsets) {
                w.knightAround[i] += static_cast<uint8_t>(around(dx + s.dx, dy + s.dy));
                if (dx + s.dx == 0 && dy + s.dy == 0) w.knightOn[i] = 1;
            }
            for (const rules::Step& s : rules::KingOffsets) {
                w.kingAround[i] += static_cast<uint8_t>(around(dx + s.dx, dy + s.dy));
                if (dx + s.dx == 0 && dy + s.dy == 0) w.kingOn[i] = 1;
            }
        }
    // A king stands on the board or, when missing, on (0, 0).
    for (int ky = 0; ky <= 8; ++ky)
        for (int kx = 0; kx <= 8; ++kx) {
            const auto king = static_cast<size_t>(Grid::Index(kx, ky));
            for (int y = 1; y <= 8; ++y)
                for (int x = 1; x <= 8; ++x) {
                    const uint64_t square = uint64_t{1} << ((y - 1) * 8 + (x - 1));
                    if (w.whitePawnAround[MarkWeights::Index(x - kx, y - ky)])
                        w.whitePawnsAround[king] |= square;
                    // A Black pawn marks the cell ahead of it and the two beside that one.
                    const int ahead = y - 1 - ky;
                    if (ahead == 0 && x - kx >= -1 && x - kx <= 1) w.blackPawnsOn[king] |= square;
                    if (around(x - kx, y - ky)) w.squaresAround[king] |= square;
                }
        }
    for (int n = 0; n <= 128; ++n)
        while ((w.distance[n] + 1) * (w.distance[n] + 1) <= n)
            ++w.distance[n];
    return w;
}

constexpr MarkWeights TheMarkWeights = MakeMarkWeights();

// The squares a slider on the square marks along rays first to last - 1: on each ray the
// empty squares and the first piece, whatever its colour.
uint64_t SliderMarks(size_t square, int first, int last, uint64_t occupied) {
    const auto& rays = sets::detail::TheTables.rays;
    uint64_t marks = 0;
    for (int r = first; r < last; ++r) {
        uint64_t ray = rays[square][static_cast<size_t>(r)];
        if (const uint64_t blockers = ray & occupied)
            ray &=
                ~rays[static_cast<size_t>(sets::NearestOnRay(r, blockers))][static_cast<size_t>(r)];
        marks |= ray;
    }
    return marks;
}

// The rays of a slider of the given magnitude, as in WalkSliderRays; none for others.
bool SliderRays(int magnitude, int& first, int& last) {
    first = magnitude == Piece::Rook ? 4 : 0;
    last = magnitude == Piece::Bishop ? 4 : 8;
    return magnitude == Piece::Bishop || magnitude == Piece::Rook || magnitude == Piece::Queen;
}

// The end-game king term of the position that Running describes; sign +1 when the kings
// should stand close, -1 when apart. It counts what each piece covers (whatever stands
// there, border cells included) on the kings' cells and around Black's king: the pawns,
// knights and kings by their offset from the king, the sliders by their marks among the
// squares. Then the pawn shields and the kings' distance.
int16_t KingTerm(int sign) {
    // FindKings keeps the last king found rank by rank; a missing king stands on (0, 0).
    auto cellOf = [](uint64_t kings) {
        return kings ? sets::CellOf(63 - std::countl_zero(kings)) : Grid::Index(0, 0);
    };
    const int black = cellOf(Running.blackKings);
    const int white = cellOf(Running.whiteKings);
    const int blackX = rules::FileOf(black), blackY = rules::RankOf(black);
    const int whiteX = rules::FileOf(white), whiteY = rules::RankOf(white);
    const MarkWeights& w = TheMarkWeights;
    const uint64_t occupied = Running.blackPieces | Running.whitePieces;
    // The offset of the piece on a square from a king.
    auto offset = [](int square, int kingX, int kingY) {
        return MarkWeights::Index(square % 8 + 1 - kingX, square / 8 + 1 - kingY);
    };

    // White's marks around Black's king; sliders mark only squares of the board.
    const auto b = static_cast<size_t>(black);
    const int blackSquare = sets::SquareOf(black);
    const uint64_t blackKingSquare = blackSquare < 0 ? 0 : uint64_t{1} << blackSquare;
    int whiteMarks = 0;
    for (uint64_t pawns = Running.whitePawns & w.whitePawnsAround[b]; pawns; pawns &= pawns - 1)
        whiteMarks += w.whitePawnAround[offset(std::countr_zero(pawns), blackX, blackY)];
    for (uint64_t pieces = Running.whitePieces & ~Running.whitePawns; pieces;
         pieces &= pieces - 1) {
        const int square = std::countr_zero(pieces);
        const int magnitude = -rules::At(sets::CellOf(square));
        int first, last;
        if (magnitude == Piece::Knight) {
            whiteMarks += w.knightAround[offset(square, blackX, blackY)];
        } else if (magnitude == Piece::King) {
            whiteMarks += w.kingAround[offset(square, blackX, blackY)];
        } else if (SliderRays(magnitude, first, last)) {
            const uint64_t marks = SliderMarks(static_cast<size_t>(square), first, last, occupied);
            whiteMarks +=
                BitCount(marks & w.squaresAround[b]) + ((marks & blackKingSquare) ? 1 : 0);
        }
    }

    // Black's marks on White's king's cell.
    const int whiteSquare = sets::SquareOf(white);
    const uint64_t whiteKingSquare = whiteSquare < 0 ? 0 : uint64_t{1} << whiteSquare;
    int blackMarks = BitCount(Running.blackPawns & w.blackPawnsOn[static_cast<size_t>(white)]);
    for (uint64_t pieces = Running.blackPieces & ~Running.blackPawns; pieces;
         pieces &= pieces - 1) {
        const int square = std::countr_zero(pieces);
        const int magnitude = rules::At(sets::CellOf(square));
        int first, last;
        if (magnitude == Piece::Knight) {
            blackMarks += w.knightOn[offset(square, whiteX, whiteY)];
        } else if (magnitude == Piece::King) {
            blackMarks += w.kingOn[offset(square, whiteX, whiteY)];
        } else if (SliderRays(magnitude, first, last) && whiteKingSquare) {
            const uint64_t marks = SliderMarks(static_cast<size_t>(square), first, last, occupied);
            blackMarks += (marks & whiteKingSquare) ? 1 : 0;
        }
    }

    int term = 25 * (3 * blackMarks - whiteMarks);
    if (rules::At(black + rules::CellStep(0, -1)) == Piece::Pawn) term += 40;
    if (rules::At(black + rules::CellStep(1, -1)) == Piece::Pawn) term += 30;
    if (rules::At(black + rules::CellStep(-1, -1)) == Piece::Pawn) term += 30;
    if (rules::At(white + rules::CellStep(0, 1)) == -Piece::Pawn) term -= 40;
    if (rules::At(white + rules::CellStep(1, 1)) == -Piece::Pawn) term -= 30;
    if (rules::At(white + rules::CellStep(-1, 1)) == -Piece::Pawn) term -= 30;
    const int dx = blackX - whiteX, dy = blackY - whiteY;
    const int distance = w.distance[static_cast<size_t>(dy * dy + dx * dx)];
    return static_cast<int16_t>(static_cast<int16_t>(term) - distance * 30 * sign);
}

}  // namespace

int16_t Evaluate() {
    const RunningEvaluation searching = std::exchange(Running, RunningOfBoard());
    const int16_t score = EvaluateRunning();
    Running = searching;
    return score;
}

RunningEvaluation RunningOfBoard() {
    RunningEvaluation r{};
    r.table = TableOfStage();
    r.tableSum = r.table ? TableSum(*r.table) : 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            const int16_t v = Board(x, y);
            const uint64_t square = sets::SetOf(Grid::Index(x, y));
            if (v > 0) r.blackPieces |= square;
            if (v < 0) r.whitePieces |= square;
            if (v == Piece::Pawn) r.blackPawns |= square;
            if (v == -Piece::Pawn) r.whitePawns |= square;
            if (v == Piece::King) r.blackKings |= square;
            if (v == -Piece::King) r.whiteKings |= square;
        }
    r.blackPawnFaults = static_cast<int16_t>(PawnFaults(r.blackPawns));
    r.whitePawnFaults = static_cast<int16_t>(PawnFaults(r.whitePawns));
    r.pawnTerm = static_cast<int16_t>(25 * (r.whitePawnFaults - r.blackPawnFaults));
    return r;
}

PawnSets PawnsAfter(const MoveChange& move) {
    // A pawn set holds the pawns of Board, so clearing both squares takes off the pawn that
    // moved and the pawn that was captured, whichever colour they were.
    const uint64_t to = sets::SetOf(move.to);
    const uint64_t squares = sets::SetOf(move.from) | to;
    PawnSets after{(Running.blackPawns & ~squares) | (move.placed == Piece::Pawn ? to : 0),
                   (Running.whitePawns & ~squares) | (move.placed == -Piece::Pawn ? to : 0),
                   Running.blackPawnFaults, Running.whitePawnFaults};
    // Only the side whose pawns changed needs counting again.
    if (after.black != Running.blackPawns) after.blackFaults = PawnFaultsOf(after.black);
    if (after.white != Running.whitePawns) after.whiteFaults = PawnFaultsOf(after.white);
    return after;
}

int16_t EvaluateRunningEndgame() {
    const auto partial = static_cast<int16_t>(Running.tableSum + Running.pawnTerm);
    return static_cast<int16_t>(partial + KingTerm(partial > 0 ? -1 : 1));
}

int16_t EvaluateEndgameAfter(const MoveChange& move) {
    PlayOnBoard(move);
    const RunningEvaluation saved = Running;
    UpdateRunningEvaluation(move);
    const int16_t score = EvaluateRunningEndgame();
    Running = saved;
    TakeBackFromBoard(move);
    return score;
}

}  // namespace ostrand
