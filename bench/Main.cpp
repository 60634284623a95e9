// wuzi_bench: Google Benchmark's command line, and `wuzi_bench --signature`, which prints
// the searches' signature and nothing else.
#include "Signature.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--signature") == 0) {
        std::printf("%llu\n", static_cast<unsigned long long>(wuzi::bench::Signature()));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
