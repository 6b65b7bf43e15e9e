#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "groupings/builtin_defaults.h"
#include "gui/preview/preview_painter.h"
#include "pipeline/synthetic_msf.h"
#include "preview/preview_run.h"

namespace hueset {
namespace {

// The 10,000 x 2,000 preview, made once for every painting benchmark.
const std::shared_ptr<const PreviewDocument>& largeDocument(bool wrapped) {
  static std::shared_ptr<const PreviewDocument> documents[2];
  auto& document = documents[wrapped ? 1 : 0];
  if (!document) {
    PreviewInput input;
    input.text = bench::syntheticMsf(10000, 2000);
    input.groupings = builtinDefault(BuiltinDefault::Colour);
    input.options.output.wrapOutput = wrapped;
    document = runPreview(input).document;
  }
  return document;
}

// One full-HD screen of the preview, scrolled to the middle of the
// document, painted as the pane paints it into an image.
void BM_PaintFullHdScreen(benchmark::State& state) {
  const bool wrapped = state.range(0) != 0;
  const auto& document = largeDocument(wrapped);
  if (!document) {
    state.SkipWithError("the alignment was not annotated");
    return;
  }
  gui::PreviewFonts fonts(document->fontName, document->fontSize, static_cast<int>(state.range(1)));
  PreviewModel model;
  model.setDocument(document);
  model.setCellSize(fonts.cellSize());
  QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  const QPointF middle(wrapped ? 0 : model.width() / 2, model.height() / 2);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.translate(-middle);
    gui::paintPreview(painter, model, fonts, QRectF(middle, QSizeF(1920, 1080)));
  }
  const PaintList list = model.paintList(middle.x(), middle.y(), 1920, 1080);
  state.counters["texts"] = static_cast<double>(list.texts.size());
  state.counters["backgrounds"] = static_cast<double>(list.backgrounds.size());
  state.counters["cell"] = fonts.cellSize().width;
  state.SetLabel(fonts.family().toStdString() + (wrapped ? ", wrapped at 60" : ", unwrapped"));
}
// Wrapped (the default) and unwrapped, at 100%, at 50% and at the smallest zoom,
// where a screen holds the most cells.
BENCHMARK(BM_PaintFullHdScreen)
    ->ArgsProduct({{1, 0}, {100, 50, 25}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hueset

// Fonts need a GUI application; the offscreen platform needs no display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
