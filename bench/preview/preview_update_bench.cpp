#include <benchmark/benchmark.h>

#include "groupings/builtin_defaults.h"
#include "pipeline/synthetic_msf.h"
#include "preview/preview_model.h"
#include "preview/preview_overview.h"
#include "preview/preview_run.h"

namespace hueset {
namespace {

// What the preview does after the last edit: the whole annotation into the
// recorded document, with the column statistics for hovering. The figures
// to keep in view: the time per update, and the document's size (its runs
// are counted to show what a record per run would have cost).
void BM_PreviewUpdate(benchmark::State& state) {
  PreviewInput input;
  input.text = bench::syntheticMsf(state.range(0), state.range(1));
  input.groupings = builtinDefault(BuiltinDefault::Colour);
  std::shared_ptr<const PreviewDocument> document;
  for (auto _ : state) {
    PreviewOutcome outcome = runPreview(input);
    if (!outcome.document) {
      state.SkipWithError("the alignment was not annotated");
      return;
    }
    document = std::move(outcome.document);
  }
  const PreviewDocument& d = *document;
  std::size_t runs = 0;
  for (std::size_t line = 0; line < d.lines.size(); ++line) runs += d.lineRuns(line).size();
  const std::size_t bytes =
      d.text.size() + d.textStyles.size() + d.lines.size() * sizeof(PreviewLine);
  state.counters["cells"] = static_cast<double>(state.range(0) * state.range(1));
  state.counters["lines"] = static_cast<double>(d.lines.size());
  state.counters["runs"] = static_cast<double>(runs);
  state.counters["documentMiB"] = static_cast<double>(bytes) / (1 << 20);
  state.counters["inputMiB"] = static_cast<double>(input.text.size()) / (1 << 20);
}
BENCHMARK(BM_PreviewUpdate)->Args({10000, 2000})->Unit(benchmark::kMillisecond)->UseRealTime();

// Hovering over a residue of the last sequence in the last block: the column
// statistics are kept, the residue's number is counted over its earlier
// lines, one per block.
void BM_HoverStatusText(benchmark::State& state) {
  PreviewInput input;
  input.text = bench::syntheticMsf(state.range(0), state.range(1));
  input.groupings = builtinDefault(BuiltinDefault::Colour);
  const PreviewOutcome outcome = runPreview(input);
  if (!outcome.document) {
    state.SkipWithError("the alignment was not annotated");
    return;
  }
  PreviewModel model;
  model.setDocument(outcome.document);
  model.setCellSize({8, 16});
  const PreviewDocument& d = *outcome.document;
  std::size_t line = d.lines.size();
  while (line-- > 0 &&
         !(d.lines[line].hasContent && d.lines[line].content.kind == LineContent::Kind::Sequence)) {
  }
  const LineContent& c = d.lines[line].content;
  const double x = (c.firstCell + c.columns / 2 + 0.5) * 8;
  const double y = model.lineTop(line) + 8;
  std::string text;
  for (auto _ : state) {
    text = model.statusText(x, y);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetLabel(text);
}
BENCHMARK(BM_HoverStatusText)->Args({10000, 2000})->Unit(benchmark::kMicrosecond);

// What the overview strip costs the GUI thread: its band for a full-HD
// width from the overview the run made, the columns in view after a scroll,
// and a click at its right end going to the last column (a drag does this
// once for each column it passes).
void BM_OverviewStrip(benchmark::State& state) {
  PreviewInput input;
  input.text = bench::syntheticMsf(state.range(0), state.range(1));
  input.groupings = builtinDefault(BuiltinDefault::Colour);
  const PreviewOutcome outcome = runPreview(input);
  if (!outcome.document || !outcome.overview) {
    state.SkipWithError("the alignment was not annotated");
    return;
  }
  PreviewModel model;
  model.setDocument(outcome.document);
  model.setCellSize({8, 16});
  const std::string last = std::to_string(outcome.overview->columns.back().alignmentColumn);
  for (auto _ : state) {
    std::vector<Colour> band = overviewPixels(*outcome.overview, 1920);
    benchmark::DoNotOptimize(band.data());
    const auto spot = model.find(last);
    if (!spot) {
      state.SkipWithError("the last column was not found");
      return;
    }
    ColumnSpan view = columnsInView(model, spot->left - 800, spot->top, 1600, 1000);
    benchmark::DoNotOptimize(view);
  }
  state.counters["columns"] = static_cast<double>(outcome.overview->columns.size());
}
BENCHMARK(BM_OverviewStrip)->Args({10000, 2000})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hueset
