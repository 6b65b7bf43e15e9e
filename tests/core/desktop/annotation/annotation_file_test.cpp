#include "desktop/annotation/annotation_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_files.h"

namespace hueset {
namespace {

TEST(AnnotationFile, FilterDecidesTheWriter) {
  EXPECT_EQ(annotationFileTypeForFilter(0), OutputKind::Rtf);
  EXPECT_EQ(annotationFileTypeForFilter(1), OutputKind::Html);
  EXPECT_EQ(annotationFileTypeForFilter(2), OutputKind::Pdf);
  EXPECT_EQ(annotationFileTypeForFilter(3), OutputKind::Svg);
  EXPECT_EQ(annotationFileTypeForFilter(4), OutputKind::Png);
  EXPECT_EQ(annotationFileFilters()[0].label, "Rich Text Format File");
  EXPECT_EQ(annotationFileFilters()[1].pattern, "*.html");
  EXPECT_EQ(kAnnotationDefaultExtension, "rtf");
}

struct TargetCase {
  const char* what;
  const char* chosen;
  int filter;  // 0 RTF, 1 HTML, 2 PDF, 3 SVG, 4 PNG
  AnnotationFileTarget target;
};

TEST(AnnotationFile, TypedExtensionDecidesTheKindElseTheFilterGivesOne) {
  const TargetCase cases[] = {
      {"a bare name gets the chosen filter's extension, and is written so",
       "/d/fig",
       4,
       {"/d/fig.png", OutputKind::Png}},
      {"a typed extension wins over the filter left selected",
       "/d/figure.pdf",
       0,
       {"/d/figure.pdf", OutputKind::Pdf}},
      {"the typed extension is matched whatever its case",
       "/d/Figure.SVG",
       1,
       {"/d/Figure.SVG", OutputKind::Svg}},
      {"every extension of a kind counts", "/d/page.htm", 4, {"/d/page.htm", OutputKind::Html}},
      {"an extension no kind has is part of the name",
       "/d/run.v2",
       2,
       {"/d/run.v2.pdf", OutputKind::Pdf}},
      {"a dot in a folder's name is no extension",
       "/d/x.png/fig",
       1,
       {"/d/x.png/fig.html", OutputKind::Html}},
      {"the style sheet is no type To File offers: its extension is part of the name",
       "/d/s.css",
       0,
       {"/d/s.css.rtf", OutputKind::Rtf}},
  };
  for (const TargetCase& c : cases) {
    EXPECT_EQ(annotationFileTarget(c.chosen, c.filter), c.target) << c.what;
  }
}

TEST(AnnotationFile, ProposedNameFollowsTheDocumentAndTheType) {
  EXPECT_EQ(proposedAnnotationFileName("/data/globins.aln", 0), "globins.rtf");
  EXPECT_EQ(proposedAnnotationFileName("/data/globins.aln", 4), "globins.png");
  EXPECT_EQ(proposedAnnotationFileName("", 0), "") << "a document never saved has no name";
}

struct NameCase {
  const char* typed;
  const char* cleaned;
};

class CleanName : public ::testing::TestWithParam<NameCase> {};

TEST_P(CleanName, DropsQuotes) {
  EXPECT_EQ(cleanChosenFileName(GetParam().typed), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(Cases, CleanName,
                         ::testing::Values(NameCase{"\"out.rtf\"", "out.rtf"},
                                           NameCase{"out.rtf", "out.rtf"},
                                           NameCase{"\"out.rtf", "out.rtf"},
                                           NameCase{"/a/\"b\" c.rtf", "/a/\"b"},
                                           NameCase{"\"\"", ""}, NameCase{"", ""}));

TEST(AnnotationFile, SaveFailureNamesTheCause) {
  namespace fs = std::filesystem;
  std::string dir = test::makeTempDir("annotation_file");
  EXPECT_EQ(classifySaveFailure(""), SaveFailure::InvalidName);
  EXPECT_EQ(classifySaveFailure(dir), SaveFailure::InvalidName);
  EXPECT_EQ(classifySaveFailure(dir + "/missing/out.rtf"), SaveFailure::BadPath);
  EXPECT_EQ(classifySaveFailure(dir + "/out.rtf"), SaveFailure::Other);
  // The probe leaves nothing behind.
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST(AnnotationFile, ChosenFileNeedsAnExistingFolder) {
  const std::string dir = test::makeTempDir("annotation_file_chosen");
  EXPECT_EQ(chosenFileProblem(dir + "/out.rtf"), std::nullopt);
  EXPECT_EQ(chosenFileProblem(dir + "/missing/out.rtf"),
            dir + "/missing/out.rtf contains an invalid path.");
  EXPECT_EQ(chosenFileProblem("/proc/nope/x.rtf"), "/proc/nope/x.rtf contains an invalid path.");
}

TEST(AnnotationFile, SaveErrorMessages) {
  EXPECT_EQ(saveErrorMessage(SaveFailure::AccessDenied, "/x/a.rtf"),
            "Access to /x/a.rtf was denied.");
  EXPECT_EQ(saveErrorMessage(SaveFailure::BadPath, "/x/a.rtf"),
            "/x/a.rtf contains an invalid path.");
  EXPECT_EQ(saveErrorMessage(SaveFailure::InvalidName, "/x"), "Invalid filename.");
  EXPECT_EQ(saveErrorMessage(SaveFailure::Other, "/x/a.rtf"), "Failed to save document.");
}

}  // namespace
}  // namespace hueset
