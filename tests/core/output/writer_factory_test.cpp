#include <gtest/gtest.h>

#include "output/writer_factory.h"

namespace hueset {
namespace {

TEST(WriterFactory, OutputKindFromExtension) {
  EXPECT_EQ(outputKindForPath("a.html"), OutputKind::Html);
  EXPECT_EQ(outputKindForPath("a.HTM"), OutputKind::Html);
  EXPECT_EQ(outputKindForPath("a.css"), OutputKind::Css);
  EXPECT_EQ(outputKindForPath("a.rtf"), OutputKind::Rtf);
  EXPECT_EQ(outputKindForPath("a.txt"), OutputKind::Rtf);
  EXPECT_EQ(outputKindForPath("dir.html/out"), OutputKind::Rtf);
}

}  // namespace
}  // namespace hueset
