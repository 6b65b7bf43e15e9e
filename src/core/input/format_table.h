#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "input/alignment.h"
#include "input/input_messages.h"
#include "input/parse_message_sink.h"
#include "input/read_alignment.h"
#include "input/text_check.h"
#include "util/string_table.h"

namespace hueset {

// Reads `text` into `alignment`, which holds nothing yet but its format.
using FormatReadFunction = bool (*)(AlignmentText text, ParseMessageSink& sink,
                                    Alignment& alignment, const ReadSettings& settings);

// Everything the program knows of one input format. The confirmation list,
// the --format names and the usage text, the extensions the guess goes by,
// the reader dispatch and the open dialog's filter all come from these rows.
struct FormatDescriptor {
  AlignmentFormat format;
  std::string_view label;    // in the confirmation list and the read command's JSON
  std::string_view cliName;  // as --format takes it
  std::string_view family;   // as the usage names it among the others ("PHD" for both)
  // Its file name extensions without the dot, separated by blanks; the
  // gzip-compressed form of each (".gz" after it) is the same format.
  std::string_view extensions;
  // The guess takes the extension's word for a text without any keyword of
  // the formats it knew first (see guessFormatForFile).
  bool guessedByExtension;
  std::string_view mimeType;
  // The headings of its messages: "This is not a valid ... file." and
  // "There is an error in the ... file.".
  InputMessage invalidFileHeading;
  InputMessage errorInFileHeading;
  FormatReadFunction read;
  // Its lower-case letters are insert states (A2M, A3M): residues, never
  // invalid characters; the options on lower case apply to them as to any
  // lower-case residue.
  bool insertLetters = false;
};

// Every format, in the order the program names them to the user.
std::span<const FormatDescriptor> formatTable();

// Every format in the order of the format confirmation list: by value, so
// the six the guess has always known are at the positions of their values.
std::span<const FormatDescriptor> formatList();

// The row of `format`; none for Undetermined.
const FormatDescriptor* findFormat(AlignmentFormat format);

// Whether the lower-case letters of `format` are insert states (see the
// table's column); false for Undetermined.
bool hasInsertLetters(AlignmentFormat format);

// A row's extensions, one each, without the dot.
std::vector<std::string_view> extensionsOf(const FormatDescriptor& descriptor);

// Every extension of the table once, in table order, without the dot.
std::vector<std::string_view> allExtensions();

// "a, b or c": the usage's names of the formats, the PHD flavours as one.
std::string formatFamilyList();

}  // namespace hueset
