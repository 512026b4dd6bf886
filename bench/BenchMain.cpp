// Runs the engine benchmarks, then prints the peak memory of the run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Peak memory of the engine benchmarks: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
