#pragma once

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace hueset {

// Owning handles for the cairo and fontconfig objects the figure writers use,
// so every object is released on every path.
struct CairoSurfaceRelease {
  void operator()(cairo_surface_t* p) const { cairo_surface_destroy(p); }
};
struct CairoContextRelease {
  void operator()(cairo_t* p) const { cairo_destroy(p); }
};
struct CairoFontFaceRelease {
  void operator()(cairo_font_face_t* p) const { cairo_font_face_destroy(p); }
};
struct CairoScaledFontRelease {
  void operator()(cairo_scaled_font_t* p) const { cairo_scaled_font_destroy(p); }
};
struct CairoFontOptionsRelease {
  void operator()(cairo_font_options_t* p) const { cairo_font_options_destroy(p); }
};
struct FcPatternRelease {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};

using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextRelease>;
using CairoFontFace = std::unique_ptr<cairo_font_face_t, CairoFontFaceRelease>;
using CairoScaledFont = std::unique_ptr<cairo_scaled_font_t, CairoScaledFontRelease>;
using CairoFontOptions = std::unique_ptr<cairo_font_options_t, CairoFontOptionsRelease>;
using FcPatternHandle = std::unique_ptr<FcPattern, FcPatternRelease>;

}  // namespace hueset
