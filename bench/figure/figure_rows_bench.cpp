#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "pipeline/synthetic_msf.h"
#include "util/file_write.h"

namespace hueset {
namespace {

namespace fs = std::filesystem;

// A folder of its own for the run's files, gone when the benchmark ends.
struct ScratchFolder {
  fs::path path;
  ScratchFolder() {
    std::string name = (fs::temp_directory_path() / "hueset-figure-bench-XXXXXX").string();
    if (mkdtemp(name.data()) != nullptr) path = name;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path.empty()) fs::remove_all(path, ignored);
  }
};

// The PDF as large as its content, numbered and with a ruler as
// scripts/bench-figures writes it; with the conservation bar and the
// sequence logo when `rows`. Each run is a child process of its own, so
// that its peak memory is the figure's alone (the benchmark's own few MiB
// included): the figures to keep in view are the time and peakMiB.
void BM_PdfFigure(benchmark::State& state) {
  const ScratchFolder scratch;
  if (scratch.path.empty()) {
    state.SkipWithError("no scratch folder");
    return;
  }
  const std::string input = (scratch.path / "big.msf").string();
  const std::string output = (scratch.path / "out.pdf").string();
  {
    const std::string text = bench::syntheticMsf(state.range(0), state.range(1));
    if (!writeFileAtomically(input, text).ok) {
      state.SkipWithError("the alignment could not be written");
      return;
    }
  }
  std::vector<std::string> args = {
      "annotate",         "--no-profile", "--config", "colour", "--option",
      "residueNumbers=1", "--option",     "ruler=1",  "-o",     output};
  if (state.range(2) != 0) {
    args.emplace_back("--conservation");
    args.emplace_back("--logo");
  }
  args.push_back(input);

  long peakKib = 0;
  for (auto _ : state) {
    const pid_t child = fork();
    if (child == 0) {
      std::istringstream in;
      std::ostringstream out;
      std::ostringstream err;
      _exit(runCli(args, in, out, err));
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
      state.SkipWithError("the figure was not written");
      return;
    }
    peakKib = std::max(peakKib, usage.ru_maxrss);
  }
  state.counters["peakMiB"] = static_cast<double>(peakKib) / 1024;
  state.counters["pdfMiB"] = static_cast<double>(fs::file_size(output)) / (1 << 20);
}
BENCHMARK(BM_PdfFigure)
    ->ArgNames({"sequences", "columns", "rows"})
    ->Args({10000, 2000, 0})
    ->Args({10000, 2000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
}  // namespace hueset
