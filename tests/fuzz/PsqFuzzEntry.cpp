// The libFuzzer target of the PSQ record reader (打开棋谱): any bytes are either refused
// with a reason, or read as a record that lies on the board and writes back as itself.
// Built with clang only (-DWUZI_LIBFUZZER=ON); `./wuzi fuzz` builds and runs it.
#include "rules/GameRecord.h"
#include "rules/Psq.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "BROKEN: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wuzi;
    PsqResult read = ParsePsq(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.ok()) return 0;
    const std::vector<Cell>& moves = read.record.moves;
    if (moves.empty()) broken("a record without a move was read");
    std::set<std::pair<int, int>> cells;
    for (Cell c : moves) {
        if (!onBoard(c.x, c.y)) broken("a move off the board was read");
        if (!cells.insert({c.x, c.y}).second) broken("two moves on one cell were read");
    }
    PsqResult again = ParsePsq(WritePsq(read.record));
    if (!again.ok()) broken("a record read does not read back once written");
    if (!(again.record == read.record)) broken("a record read reads back as other moves");
    return 0;
}
