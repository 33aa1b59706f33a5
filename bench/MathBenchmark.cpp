// The program's own pow, log, sin and cos against the C library's, over the
// arguments a run passes them: discount and growth factors over whole and
// fractional years, logarithms and sines of uniform draws.
#include "model/PortableMath.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

struct Arguments {
    std::vector<double> rates;
    std::vector<double> years;
    std::vector<double> uniforms;
    std::vector<double> angles;
};

const Arguments& TheArguments() {
    static const Arguments arguments = [] {
        Arguments made;
        std::mt19937_64 source(7);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < 4096; ++i) {
            made.rates.push_back(1.0 + unit(source) * 0.1);
            made.years.push_back(static_cast<double>(source() % 60) +
                                 (i % 2 == 0 ? unit(source) : 0.0));
            made.uniforms.push_back(unit(source) + 0x1p-60);
            made.angles.push_back(6.283185307178 * unit(source));
        }
        return made;
    }();
    return arguments;
}

template <double (*F)(double, double)> void PowerOf(benchmark::State& state) {
    const Arguments& a = TheArguments();
    for (auto _ : state) {
        for (std::size_t i = 0; i < a.rates.size(); ++i) {
            benchmark::DoNotOptimize(F(a.rates[i], a.years[i]));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(a.rates.size()));
}

template <double (*F)(double)> void Of(benchmark::State& state, const std::vector<double>& values) {
    for (auto _ : state) {
        for (const double value : values) {
            benchmark::DoNotOptimize(F(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}

double CPow(double x, double y) {
    return std::pow(x, y);
}
double CLog(double x) {
    return std::log(x);
}
double CSin(double x) {
    return std::sin(x);
}
double CCos(double x) {
    return std::cos(x);
}

void ProgramPow(benchmark::State& state) {
    PowerOf<wexa::Pow>(state);
}
void LibraryPow(benchmark::State& state) {
    PowerOf<CPow>(state);
}
void ProgramLog(benchmark::State& state) {
    Of<wexa::Log>(state, TheArguments().uniforms);
}
void LibraryLog(benchmark::State& state) {
    Of<CLog>(state, TheArguments().uniforms);
}
void ProgramSin(benchmark::State& state) {
    Of<wexa::Sin>(state, TheArguments().angles);
}
void LibrarySin(benchmark::State& state) {
    Of<CSin>(state, TheArguments().angles);
}
void ProgramCos(benchmark::State& state) {
    Of<wexa::Cos>(state, TheArguments().angles);
}
void LibraryCos(benchmark::State& state) {
    Of<CCos>(state, TheArguments().angles);
}

BENCHMARK(ProgramPow);
BENCHMARK(LibraryPow);
BENCHMARK(ProgramLog);
BENCHMARK(LibraryLog);
BENCHMARK(ProgramSin);
BENCHMARK(LibrarySin);
BENCHMARK(ProgramCos);
BENCHMARK(LibraryCos);

} // namespace

BENCHMARK_MAIN();
