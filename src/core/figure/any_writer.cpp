#include "figure/any_writer.h"

#include "groupings/grouping_set.h"
#include "settings/options.h"

#if HUESET_FIGURES
#include "figure/figure_writer.h"
#endif

namespace hueset {

bool figuresAvailable() { return HUESET_FIGURES != 0; }

std::unique_ptr<AnnotationWriter> makeAnyWriter(OutputKind kind, const Options& options,
                                                const GroupingSet& groupings) {
  if (!isFigureKind(kind)) return makeAnnotationWriter(kind, options, groupings);
#if HUESET_FIGURES
  const FigureForm form = kind == OutputKind::Pdf   ? FigureForm::Pdf
                          : kind == OutputKind::Svg ? FigureForm::Svg
                                                    : FigureForm::Png;
  return std::make_unique<FigureWriter>(form, groupings.fontSize, groupings.fontName,
                                        figureSettings(options.figure));
#else
  (void)options;
  (void)groupings;
  return nullptr;
#endif
}

std::vector<std::unique_ptr<AnnotationWriter>> makeClipboardPictureWriters(
    const GroupingSet& groupings) {
  std::vector<std::unique_ptr<AnnotationWriter>> writers;
#if HUESET_FIGURES
  FigureSettings settings;
  settings.dpi = kClipboardPictureDpi;
  settings.cellLimit = kClipboardPictureCells;
  for (const FigureForm form : {FigureForm::Png, FigureForm::Svg}) {
    writers.push_back(
        std::make_unique<FigureWriter>(form, groupings.fontSize, groupings.fontName, settings));
  }
#else
  (void)groupings;
#endif
  return writers;
}

}  // namespace hueset
