#pragma once

#include "util/string_table.h"

namespace hueset {

// The main window's texts in the string table, by what they say. The values
// are the table's numbers.
enum class FrameMessage : StringId {
  SaveAsTitle = 61441,
  InvalidFileName = 61696,
  FailedToSave = 61698,
  InvalidPath = 61859,
  AccessDenied = 61861,
};

}  // namespace hueset
