#pragma once

#include "util/string_table.h"

namespace hueset {

// The configuration files' texts in the string table, by what they say. The
// values are the table's numbers.
enum class GroupingsMessage : StringId {
  TextFileHeader = 2000,
  TextFileLineHelp = 2001,
  BadFontLine = 2002,
  NoData = 2003,
  NoResidues = 2004,
  ResidueNotUpper = 2005,
  ResidueRepeated = 2006,
  BadFormat = 2007,
  FirstNotDefault = 2008,
  SecondNotSingle = 2009,
  BinaryCorrupt = 2010,
  CorruptFile = 2071,
  TextFileError = 2072,
  SaveChanges = 2076,
  FontSizeOutOfRange = 2090,
  BinaryFontSize = 2091,
};

}  // namespace hueset
