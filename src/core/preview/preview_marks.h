#pragma once

#include <cstddef>

#include "preview/preview_document.h"
#include "preview/preview_model.h"

namespace hueset {

// Adds to `list` what line `line` draws of the rows beside the alignment,
// in the proportions a figure draws them: the mark shapes over the ruler,
// the conservation bars, the logo's letters and the frames' sides (through
// the gap to the line below, `nextTop`, while the frame goes on there).
// `top` is the line's top in pixels.
void addColumnRowShapes(const PreviewDocument& document, std::size_t line, double top,
                        double nextTop, CellSize cell, PaintList& list);

}  // namespace hueset
