// The libFuzzer target of the brain's protocol reader: each input is a brain session (see
// BrainSession.h). Built with clang only (-DWUZI_LIBFUZZER=ON); `./wuzi fuzz` builds and
// runs it beside the game's target.
#include "BrainSession.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (auto wrong = wuzi::fuzz::CheckBrainSession({data, size})) {
        std::fprintf(stderr, "BROKEN: %s\n", wrong->c_str());
        std::abort();
    }
    return 0;
}
