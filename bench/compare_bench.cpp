// The engine beside a parser that also reads its text at every call:
// muparser with SetExpr + Eval each time, the fair peer for an engine that
// must clean and read its text on every evaluation. The same three
// expressions go through both in one run, x changing at every call, and the
// ratios are printed at the end. Without muparser only our side runs.
#include "engine/CalcModule.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

#ifdef QUORVEX_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Subject {
    const char *name;
    const char *engine_text; // as the windows hand it over, "=" included
    std::uint8_t mode, angle_unit;
    const char *peer_text;
    double target; // the ratio we aim for
};

// 20 operators: ^ - * ^ + * ^ - * ^ + * - + * ^ - * ^ +
const Subject Subjects[] = {
    {"square", "x^2-(4)=", 1, 1, "x^2-(4)", 15},
    {"sine", "2+sin30=", 0, 0, "2+sin(30)", 10},
    {"polynomial", "x^5-3*x^4+2*x^3-7*x^2+5*x-11+4*x^3-2*x^2+x=", 1, 1,
     "x^5-3*x^4+2*x^3-7*x^2+5*x-11+4*x^3-2*x^2+x", 10},
};

void Engine(benchmark::State &state, const Subject &subject) {
    CalcModule::Set_Warning_Handler(nullptr);
    CalcModule::Number_Base = 10;
    const std::string text = subject.engine_text;
    double x = -10;
    for (auto _ : state) {
        CalcModule::Variable_Values['x' - 'a'] = x;
        x += 0.0001;
        std::string copy = text;
        std::string cleaned = CalcModule::Filter_Expression(copy, subject.mode);
        benchmark::DoNotOptimize(
            CalcModule::Evaluate_Expression(cleaned, 10, 32, subject.angle_unit, subject.mode));
    }
    state.SetItemsProcessed(state.iterations());
}

#ifdef QUORVEX_HAVE_MUPARSER
void Peer(benchmark::State &state, const Subject &subject) {
    mu::Parser parser;
    double x = -10;
    parser.DefineVar("x", &x);
    const std::string text = subject.peer_text;
    for (auto _ : state) {
        x += 0.0001;
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetItemsProcessed(state.iterations());
}
#endif

// Keeps the best CPU time per iteration of every benchmark, for the ratios.
class Ratio_Reporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> best_ns;

    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            const double ns = run.GetAdjustedCPUTime() *
                              benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                              benchmark::GetTimeUnitMultiplier(run.time_unit);
            auto [it, added] = best_ns.emplace(run.run_name.function_name, ns);
            if (!added && ns < it->second) it->second = ns;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv) {
    for (const Subject &subject : Subjects) {
        benchmark::RegisterBenchmark((std::string("Engine/") + subject.name).c_str(), Engine,
                                     subject);
#ifdef QUORVEX_HAVE_MUPARSER
        benchmark::RegisterBenchmark((std::string("Muparser/") + subject.name).c_str(), Peer,
                                     subject);
#endif
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Ratio_Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-12s %12s %12s %14s %8s %8s\n", "expression", "engine ns", "muparser ns",
                "engine evals/s", "ratio", "target");
    for (const Subject &subject : Subjects) {
        const auto ours = reporter.best_ns.find(std::string("Engine/") + subject.name);
        if (ours == reporter.best_ns.end()) continue;
        const auto peer = reporter.best_ns.find(std::string("Muparser/") + subject.name);
        if (peer == reporter.best_ns.end()) {
            std::printf("%-12s %12.1f %12s %14.0f %8s %7.0fx\n", subject.name, ours->second, "-",
                        1e9 / ours->second, "-", subject.target);
            continue;
        }
        std::printf("%-12s %12.1f %12.1f %14.0f %7.1fx %7.0fx\n", subject.name, ours->second,
                    peer->second, 1e9 / ours->second, peer->second / ours->second, subject.target);
    }
#ifndef QUORVEX_HAVE_MUPARSER
    std::printf("muparser was not found when this was built: the comparison is skipped\n");
#endif
    return 0;
}
