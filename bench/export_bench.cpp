// Exporting the largest schedule: weekly payments over 40 years, every
// payment with its date (363 days a year make the week's rate highest and the
// schedule longest: 2,081 rows). Goal: under 100 ms for the workbook, written
// to disk as the window writes it.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/calc/schedule.h"
#include "core/export/export.h"
#include "largest_schedule.h"

namespace {

amortix::ScheduleInputs LargestExport() {
    using namespace amortix;
    ScheduleInputs in = bench::WeeklyOverFortyYears();
    in.dayBasis = DayBasis::Preset(DayBasisChoice::Days363);
    in.currencySymbol = "\u20ac";
    return in;
}

// A folder of its own for the files, removed afterwards.
class BenchFolder {
  public:
    BenchFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("amortix_export_bench_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string File(const char* name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

void Export(benchmark::State& state, amortix::ExportFormat format, const char* name) {
    const amortix::ScheduleInputs in = LargestExport();
    const amortix::ScheduleResult r = amortix::CalculateSchedule(in);
    if (r.gridRows < 2080) state.SkipWithError("fewer rows than 40 weekly years have");
    state.counters["rows"] = r.gridRows;
    const BenchFolder folder;
    const std::string path = folder.File(name);
    for (auto _ : state) {
        const amortix::ExportOutcome outcome = amortix::ExportSchedule(path, format, {in, r, r.messages});
        if (!outcome.ok()) state.SkipWithError(outcome.reason.c_str());
    }
}

// The whole export: the tables from the figures, the file, flushed to disk.
void BM_ExportScheduleXlsx(benchmark::State& state) {
    Export(state, amortix::ExportFormat::Xlsx, "schedule.xlsx");
}
BENCHMARK(BM_ExportScheduleXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportScheduleCsv(benchmark::State& state) {
    Export(state, amortix::ExportFormat::Csv, "schedule.csv");
}
BENCHMARK(BM_ExportScheduleCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

// The tables alone, before any writer.
void BM_ScheduleSheets(benchmark::State& state) {
    const amortix::ScheduleInputs in = LargestExport();
    const amortix::ScheduleResult r = amortix::CalculateSchedule(in);
    for (auto _ : state) {
        auto sheets = amortix::ScheduleSheets({in, r, r.messages});
        benchmark::DoNotOptimize(sheets.data());
    }
}
BENCHMARK(BM_ScheduleSheets)->Unit(benchmark::kMicrosecond);

}  // namespace
