#pragma once

#include <memory>

#include "annotate/annotation_writer.h"
#include "annotate/output_kind.h"

namespace hueset {

struct GroupingSet;
struct Options;

// The writers of the text kinds, each set up from the options and the
// groupings' font, ready for the driver (or, for the style sheet, for
// writeStyleSheet). The table of kinds makes every writer through these.
std::unique_ptr<AnnotationWriter> makeRtfWriter(const Options& options,
                                                const GroupingSet& groupings);
std::unique_ptr<AnnotationWriter> makeHtmlWriter(const Options& options,
                                                 const GroupingSet& groupings);
std::unique_ptr<AnnotationWriter> makePlainTextWriter(const Options& options,
                                                      const GroupingSet& groupings);
std::unique_ptr<AnnotationWriter> makeStyleSheetWriter(const Options& options,
                                                       const GroupingSet& groupings);

// The style sheet needs no alignment: the groupings' formats, then begin and
// end.
void writeStyleSheet(AnnotationWriter& writer, const GroupingSet& groupings);

}  // namespace hueset
