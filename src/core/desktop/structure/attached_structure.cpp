#include "desktop/structure/attached_structure.h"

#include <memory>

#include "structure/structure_attachment.h"

namespace hueset {

std::string attachedStructureText(const AttachedStructure& attached) {
  return structureName(attached.chain.file) + " chain " + attached.chain.chain + " on " +
         attached.sequence;
}

AfterReading attachStructures(std::vector<AttachedStructure> attached, bool accessibility,
                              bool numbering) {
  if (attached.empty()) return {};
  auto shared = std::make_shared<const std::vector<AttachedStructure>>(std::move(attached));
  return
      [shared, accessibility, numbering](Alignment& alignment, AnnotationInteraction& interaction) {
        for (const AttachedStructure& one : *shared) {
          const std::string problem =
              attachStructure(alignment, one.chain, one.sequence, accessibility, numbering);
          if (!problem.empty()) {
            interaction.messageSink().error(problem, 0);
            return false;
          }
        }
        return true;
      };
}

}  // namespace hueset
