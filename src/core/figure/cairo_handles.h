#pragma once

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace hueset {

// Owning handles for the cairo and fontconfig objects the figure writers use,
// so every object is released on every path.
template <auto Release>
struct ReleaseWith {
  template <typename T>
  void operator()(T* p) const {
    Release(p);
  }
};

using CairoSurface = std::unique_ptr<cairo_surface_t, ReleaseWith<cairo_surface_destroy>>;
using CairoContext = std::unique_ptr<cairo_t, ReleaseWith<cairo_destroy>>;
using CairoFontFace = std::unique_ptr<cairo_font_face_t, ReleaseWith<cairo_font_face_destroy>>;
using CairoScaledFont =
    std::unique_ptr<cairo_scaled_font_t, ReleaseWith<cairo_scaled_font_destroy>>;
using CairoFontOptions =
    std::unique_ptr<cairo_font_options_t, ReleaseWith<cairo_font_options_destroy>>;
using FcPatternHandle = std::unique_ptr<FcPattern, ReleaseWith<FcPatternDestroy>>;

}  // namespace hueset
