// The libFuzzer target: each input is one session of events. Built with clang only
// (-DWUZI_LIBFUZZER=ON); `./wuzi fuzz` builds and runs it. A crash input replays with
// this binary or with wuzi_fuzz --replay.
#include "FuzzSession.h"

#include <cstdio>
#include <cstdlib>

namespace {

wuzi::fuzz::Stats& totals() {
    static wuzi::fuzz::Stats stats;
    return stats;
}

void printTotals() {
    std::fprintf(stderr, "%s", totals().Summary().c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(printTotals);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (auto v = wuzi::fuzz::RunSession({data, size}, totals())) {
        std::fprintf(stderr, "BROKEN: %s\n%s", v->what.c_str(), v->report.c_str());
        std::abort();
    }
    return 0;
}
