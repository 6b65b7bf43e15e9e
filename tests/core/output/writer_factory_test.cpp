#include <gtest/gtest.h>

#include <utility>

#include "figure/output_kinds.h"

namespace hueset {
namespace {

TEST(WriterFactory, OutputKindFromExtension) {
  // Letter case aside; anything else, a folder's extension included, is RTF.
  const std::pair<const char*, OutputKind> cases[] = {
      {"a.html", OutputKind::Html}, {"a.HTM", OutputKind::Html}, {"a.css", OutputKind::Css},
      {"a.rtf", OutputKind::Rtf},   {"a.txt", OutputKind::Rtf},  {"dir.html/out", OutputKind::Rtf},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(outputKindForPath(path), kind) << path;
}

}  // namespace
}  // namespace hueset
