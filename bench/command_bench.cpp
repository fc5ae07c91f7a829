// The whole conversion command (checks, chain, display pass) for each unit, on an
// in-memory form. Target: well under 5 microseconds per command.
#include "command.h"
#include "memory_form.h"

#include <benchmark/benchmark.h>

namespace {

void conversionCommand(benchmark::State &state)
{
    const convert::UnitInfo &unit = convert::kUnits[static_cast<std::size_t>(state.range(0))];
    const convert::NumberFormat format;
    convert::MemoryForm form;
    form.entry = "1234.5";
    form.unit = std::string(unit.text);
    for (auto _ : state) {
        convert::runConversionCommand(form, format);
        benchmark::DoNotOptimize(form.results);
    }
    state.SetLabel(std::string(unit.text));
}

BENCHMARK(conversionCommand)->DenseRange(0, static_cast<int>(convert::kUnitCount) - 1);

} // namespace

BENCHMARK_MAIN();
