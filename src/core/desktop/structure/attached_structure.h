#pragma once

#include <string>
#include <vector>

#include "pipeline/annotation_driver.h"
#include "structure/structure_reader.h"

namespace hueset {

// A structure the user attached to a sequence of the open document: the
// chain as read, its DSSP assignment computed once, and the sequence's name.
// The document keeps them while it is open; they are not saved with it.
struct AttachedStructure {
  StructureChain chain;
  std::string sequence;

  bool operator==(const AttachedStructure&) const = default;
};

// "1cbs chain A on CRABP2_1cbs", as the list of attached structures shows it.
std::string attachedStructureText(const AttachedStructure& attached);

// The step an annotation takes after reading: each structure attached in
// turn, as --structure attaches one; the first that no longer fits its
// sequence (the text was edited) stops the annotation with its message.
// The structures are copied, so the step may run on another thread.
AfterReading attachStructures(std::vector<AttachedStructure> attached, bool accessibility,
                              bool numbering);

}  // namespace hueset
