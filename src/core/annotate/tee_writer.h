#pragma once

#include <memory>
#include <vector>

#include "annotate/annotation_writer.h"

namespace hueset {

// Hands one annotation to several writers at once, so a command that wants
// the same figure in more than one form runs the annotation (and asks its
// questions) once. Each writer gets the formats, runs, line, set and block
// ends it would have got from the layout itself, so its output is the same
// byte for byte. The writers must outlive the tee; the tee's own texts are
// those of the first writer.
class TeeWriter : public AnnotationWriter {
 public:
  explicit TeeWriter(std::vector<AnnotationWriter*> writers);
  // A fork of `origin`, its writers added by forkForBlocks.
  TeeWriter(const TeeWriter& origin, BlockFork);

  void newLine() override;
  void setSeparator() override;
  void blockEnd() override;
  int clipboardFormatCount() const override { return m_writers.front()->clipboardFormatCount(); }
  std::string clipboardText(int index) const override {
    return m_writers.front()->clipboardText(index);
  }
  std::string fileText() const override { return m_writers.front()->fileText(); }
  OutputKind clipboardFormat(int index) const override {
    return m_writers.front()->clipboardFormat(index);
  }
  // The first writer's page decides the wrap.
  int pageLineCharacters() const override { return m_writers.front()->pageLineCharacters(); }
  // And its kind how the rows are laid out: pictures alone as a figure,
  // Rich Text with pictures beside it as Rich Text.
  bool drawsFigure() const override { return m_writers.front()->drawsFigure(); }
  bool placesStructureUnderSequences() const override {
    return m_writers.front()->placesStructureUnderSequences();
  }
  bool drawsColumnRowShapes() const override { return m_writers.front()->drawsColumnRowShapes(); }
  // Every writer fits its own type; the first that cannot says why.
  std::string fitTypeToWidth(std::size_t wantedCells, std::size_t leastCells,
                             bool wrapFixed) override {
    std::string problem;
    for (AnnotationWriter* writer : m_writers) {
      std::string why = writer->fitTypeToWidth(wantedCells, leastCells, wrapFixed);
      if (problem.empty()) problem = std::move(why);
    }
    return problem;
  }
  void layoutStarting(const AnnotatedAlignment& annotated) override;
  void lineStarting(const LineContent& content) override;
  // A tee of forks of the writers that still take text, when each of them
  // can be forked; writers that gave up are left out of the blocks.
  std::unique_ptr<AnnotationWriter> forkForBlocks() const override;
  void joinBlocks(AnnotationWriter& fork) override;
  // Each writer takes the cells whole, on its own quickest way.
  void appendCells(std::string_view cells, std::string_view formats) override;

 protected:
  void flushRun() override;
  void beginDocument() override;
  void endDocument() override;

 private:
  // Hands the run over and ends the line (or set, or block) in every writer.
  void endLine(void (AnnotationWriter::*end)());

  std::vector<AnnotationWriter*> m_writers;
  // In a fork: the forks the writers point at, and for each the index of
  // the writer of the origin it was made from.
  std::vector<std::unique_ptr<AnnotationWriter>> m_forks;
  std::vector<std::size_t> m_origins;
};

}  // namespace hueset
