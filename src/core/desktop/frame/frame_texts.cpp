#include "desktop/frame/frame_texts.h"

#include "util/string_table.h"
#include "util/text_format.h"

namespace hueset {

std::string idleStatusText(int consensusThreshold, int elisionThreshold, int minimumElisionLength) {
  return printfString("Consensus threshold = %.4g%%;   Elision threshold = %.4g%%, min length = %d",
                      consensusThreshold / 10.0, elisionThreshold / 10.0, minimumElisionLength);
}

std::string statusBarText(std::string_view prompt, std::string_view idleText) {
  if (prompt.empty() || prompt == loadString(kIdlePromptId)) return std::string(idleText);
  return std::string(prompt);
}

std::string frameCaption(const CaptionParts& parts) {
  if (!parts.hasDocument) return std::string(kFrameTitle);
  std::string caption = parts.documentTitle;
  if (parts.windowNumber > 0) caption += ":" + std::to_string(parts.windowNumber);
  caption += " - ";
  caption += kFrameTitle;
  caption += "- [ \"";
  caption += parts.configurationTitle;
  caption += "\" Residue Groupings ]";
  return caption;
}

bool annotateCommandsEnabled(std::size_t characterCount) { return characterCount > 2; }

int scrollToShowLine(int line, int firstVisibleLine) { return line - 2 - firstVisibleLine; }

}  // namespace hueset
