#include "vesk/Board.h"

namespace vesk {

namespace {

struct Zobrist {
    std::array<std::array<std::uint64_t, 2>, kArea> keys{};
    Zobrist() {
        std::uint64_t state = 0x9E3779B97F4A7C15ULL;
        for (auto& cell : keys)
            for (auto& key : cell) {
                // splitmix64
                std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
                key = z ^ (z >> 31);
            }
    }
};

const Zobrist& zobristTable() {
    static const Zobrist z;
    return z;
}

std::array<Pos, kSize * kSize> listCells() {
    std::array<Pos, kSize * kSize> list{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            list[y * kSize + x] = toPos(x, y);
    return list;
}

// Where each board cell sits in the line keys: a line is its cells in the direction's
// order, two bits each, after four wall cells and followed by four more, so that the
// window of four cells each way never leaves the key.
struct LineMap {
    std::array<std::array<std::uint8_t, kArea>, kDirections> line{};
    std::array<std::array<std::uint8_t, kArea>, kDirections> shift{};
    std::array<std::uint64_t, Board::kLineCount> empty{};
    std::array<CellSet, kArea> near{};

    LineMap() {
        int id = 0;
        for (int d = 0; d < kDirections; ++d)
            for (Pos start : listCells()) {
                if (inside(static_cast<Pos>(start - kStep[d]))) continue;
                int length = 0;
                for (Pos p = start; inside(p); p = static_cast<Pos>(p + kStep[d]), ++length) {
                    line[d][p] = static_cast<std::uint8_t>(id);
                    shift[d][p] = static_cast<std::uint8_t>(2 * (kPad + length));
                }
                std::uint64_t walls = ~std::uint64_t{0} >> (64 - 2 * (length + 2 * kPad));
                for (int k = 0; k < length; ++k)
                    walls &= ~(std::uint64_t{3} << (2 * (kPad + k)));
                empty[id++] = walls;
            }
        for (Pos p : listCells())
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    if (onBoard(posX(p) + dx, posY(p) + dy))
                        near[p].insert(toPos(posX(p) + dx, posY(p) + dy));
    }

    static bool inside(Pos p) { return onBoard(posX(p), posY(p)); }
};

const LineMap& lineMap() {
    static const LineMap map;
    return map;
}

// The key of the eight cells around the one at `shift`: four back in the low bits.
LineKey windowKey(std::uint64_t line, int shift) {
    std::uint32_t window = static_cast<std::uint32_t>(line >> (shift - 2 * kPad)) & 0x3FFFF;
    return static_cast<LineKey>((window & 0xFF) | ((window >> 10) << 8));
}

// A stone changes at most this many cells: four each way along its four lines.
constexpr std::uint32_t kMostSaved = 2 * kDirections * kPad;
constexpr std::size_t kGrowth = 16;

constexpr PointKind kKindOf[kPattern4Count] = {kPointKinds, kThreePoint, kThreePoint,
                                               kThreePoint, kFourPoint,  kFourPoint,
                                               kFourPoint,  kFlex4Point, kFivePoint};

} // namespace

std::uint64_t zobrist(Pos p, Color c) {
    return zobristTable().keys[p][c];
}

const std::array<Pos, kSize * kSize>& Board::cells() {
    static const std::array<Pos, kSize* kSize> list = listCells();
    return list;
}

LineKey Board::lineKey(Pos p, int dir) const {
    const LineMap& map = lineMap();
    return windowKey(lines_[map.line[dir][p]], map.shift[dir][p]);
}

Board::Board() {
    const LineMap& map = lineMap();
    cells_.fill(kWall);
    lines_ = map.empty;
    for (Pos p : cells()) {
        cells_[p] = kEmpty;
        empty_.insert(p);
    }
    for (Pos p : cells()) {
        CellState& s = cell_[p];
        for (int d = 0; d < kDirections; ++d) {
            s.line[d] = lineTable_[windowKey(lines_[map.line[d][p]], map.shift[d][p])];
            for (int c = 0; c < 2; ++c)
                s.combo[c] = static_cast<Combo>(s.combo[c] +
                                                ((s.line[d] >> (4 * c)) & 0xF) * kComboPlace[d]);
        }
        for (int c = 0; c < 2; ++c)
            s.p4[c] = table_[s.combo[c]].p4;
        account(p, +1);
    }
    moves_.reserve(kSize * kSize);
}

// The empty cell q's combination of colour c goes from `was` to `is`.
inline void Board::markPoints(Pos q, Color c, Pattern4 was, Pattern4 is) {
    PointKind before = kKindOf[was], after = kKindOf[is];
    if (before == after) return;
    if (before != kPointKinds) points_[c][before].erase(q);
    if (after != kPointKinds) points_[c][after].insert(q);
}

// Adds (sign +1) or removes (-1) what the empty cell q counts for in the board's sums.
void Board::account(Pos q, int sign) {
    const CellState& s = cell_[q];
    for (int c = 0; c < 2; ++c) {
        const CellInfo& info = table_[s.combo[c]];
        valueSums_[c][0] += sign * info.value[0];
        valueSums_[c][1] += sign * info.value[1];
        pattern4Counts_[c][s.p4[c]] = static_cast<std::int16_t>(pattern4Counts_[c][s.p4[c]] + sign);
        if (sign > 0)
            markPoints(q, static_cast<Color>(c), kNone4, s.p4[c]);
        else
            markPoints(q, static_cast<Color>(c), s.p4[c], kNone4);
    }
}

// The empty cell q's line patterns of colour c change by `delta` (in Combo units); the
// sums follow.
inline void Board::shiftCombo(Pos q, Color c, int delta) {
    CellState& s = cell_[q];
    const CellInfo& before = table_[s.combo[c]];
    s.combo[c] = static_cast<Combo>(s.combo[c] + delta);
    const CellInfo& now = table_[s.combo[c]];
    valueSums_[c][0] += now.value[0] - before.value[0];
    valueSums_[c][1] += now.value[1] - before.value[1];
    if (now.p4 == s.p4[c]) return;
    --pattern4Counts_[c][s.p4[c]];
    ++pattern4Counts_[c][now.p4];
    markPoints(q, c, s.p4[c], now.p4);
    s.p4[c] = now.p4;
}

void Board::play(Pos p) {
    const LineMap& map = lineMap();
    Color c = sideToMove();
    Stone stone = stoneOf(c);
    // The stacks grow as stones come, so that a copy of a board costs what it holds.
    if (frames_.size() <= moves_.size()) frames_.resize(moves_.size() + kGrowth);
    if (saved_.size() < savedCount_ + kMostSaved) saved_.resize(savedCount_ + kGrowth * kMostSaved);
    frames_[moves_.size()] = {near_, valueSums_, pattern4Counts_, savedCount_};
    account(p, -1);
    cells_[p] = stone;
    empty_.erase(p);
    near_ |= map.near[p];
    hash_ ^= zobrist(p, c);
    moves_.push_back(p);
    ++stonesPlayed_;
    for (int d = 0; d < kDirections; ++d) {
        std::uint64_t& line = lines_[map.line[d][p]];
        int shift = map.shift[d][p];
        line |= static_cast<std::uint64_t>(stone) << shift;
        for (int i = -kPad; i <= kPad; ++i) {
            Pos q = static_cast<Pos>(p + i * kStep[d]);
            if (cells_[q] != kEmpty) continue;
            std::uint8_t patterns = lineTable_[windowKey(line, shift + 2 * i)];
            if (patterns == cell_[q].line[d]) continue;
            saved_[savedCount_++] = {q, cell_[q]};
            int black = (patterns & 0xF) - (cell_[q].line[d] & 0xF);
            int white = (patterns >> 4) - (cell_[q].line[d] >> 4);
            if (black) shiftCombo(q, kBlack, black * kComboPlace[d]);
            if (white) shiftCombo(q, kWhite, white * kComboPlace[d]);
            cell_[q].line[d] = patterns;
        }
    }
}

void Board::undo() {
    const LineMap& map = lineMap();
    Pos p = moves_.back();
    const Frame& frame = frames_[moves_.size() - 1];
    while (savedCount_ > frame.firstSaved) {
        const Saved& s = saved_[--savedCount_];
        for (int c = 0; c < 2; ++c)
            if (cell_[s.pos].p4[c] != s.state.p4[c])
                markPoints(s.pos, static_cast<Color>(c), cell_[s.pos].p4[c], s.state.p4[c]);
        cell_[s.pos] = s.state;
    }
    for (int d = 0; d < kDirections; ++d)
        lines_[map.line[d][p]] &= ~(std::uint64_t{3} << map.shift[d][p]);
    hash_ ^= zobrist(p, static_cast<Color>(cells_[p] - 1));
    cells_[p] = kEmpty;
    empty_.insert(p);
    near_ = frame.near;
    valueSums_ = frame.valueSums;
    pattern4Counts_ = frame.pattern4Counts;
    for (int c = 0; c < 2; ++c)
        markPoints(p, static_cast<Color>(c), kNone4, cell_[p].p4[c]);
    moves_.pop_back();
}

} // namespace vesk
