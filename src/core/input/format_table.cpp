#include "input/format_table.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "input/format_readers.h"

namespace hueset {

namespace {

template <class Reader>
Reader makeReader(ParseMessageSink& sink, const ReadSettings& settings) {
  if constexpr (std::is_constructible_v<Reader, ParseMessageSink&, const ReadSettings&>) {
    return Reader(sink, settings);
  } else {
    (void)settings;
    return Reader(sink);
  }
}

template <class Reader>
bool readWith(AlignmentText text, ParseMessageSink& sink, Alignment& alignment,
              const ReadSettings& settings) {
  Reader reader = makeReader<Reader>(sink, settings);
  return reader.read(text, alignment);
}

// PHD: the alignment part, then the prediction part from where it stopped.
template <class Reader>
bool readPhd(AlignmentText text, ParseMessageSink& sink, Alignment& alignment,
             const ReadSettings& settings) {
  ScanPosition after;
  {
    Reader reader = makeReader<Reader>(sink, settings);
    if (!reader.read(text, alignment)) return false;
    after = reader.position();
  }
  PhdReader predictions(sink, settings);
  return predictions.readFrom(text, after, alignment);
}

// The structure rows of Stockholm and HH-suite's A3M take the coil option
// as the DSC prediction row does: coil ("C") shows as ".".
template <class Reader>
bool readWithStructure(AlignmentText text, ParseMessageSink& sink, Alignment& alignment,
                       const ReadSettings& settings) {
  if (!readWith<Reader>(text, sink, alignment, settings)) return false;
  if (settings.dscIgnoreCoil) {
    for (std::string& row : alignment.tracks) std::replace(row.begin(), row.end(), 'C', '.');
  }
  return true;
}

using enum AlignmentFormat;

// A new format is one row here, its reader, and an enumerator of its own
// value in AlignmentFormat. The rows are in the order the program names the
// formats to the user; the confirmation list orders them by value.
// The two PHD layouts differ only in how their alignment is laid out.
constexpr FormatDescriptor phdRow(AlignmentFormat format, std::string_view label,
                                  std::string_view cliName, FormatReadFunction read) {
  return {.format = format,
          .label = label,
          .cliName = cliName,
          .family = "PHD",
          .extensions = "phd",
          .guessedByExtension = false,
          .mimeType = "text/x-phd-prediction",
          .invalidFileHeading = InputMessage::PhdInvalid,
          .errorInFileHeading = InputMessage::PhdError,
          .read = read};
}

constexpr FormatDescriptor kFormats[] = {
    {.format = Msf,
     .label = "MSF",
     .cliName = "msf",
     .family = "MSF",
     .extensions = "msf pileup",
     .guessedByExtension = false,
     .mimeType = "text/x-msf",
     .invalidFileHeading = InputMessage::MsfInvalid,
     .errorInFileHeading = InputMessage::MsfError,
     .read = readWith<MsfReader>},
    {.format = Fasta,
     .label = "FASTA",
     .cliName = "fasta",
     .family = "FASTA",
     .extensions = "fa fasta fas faa",
     .guessedByExtension = false,
     .mimeType = "text/x-fasta",
     .invalidFileHeading = InputMessage::FastaInvalid,
     .errorInFileHeading = InputMessage::FastaError,
     .read = readWith<FastaReader>},
    {.format = Clustal,
     .label = "CLUSTAL",
     .cliName = "clustal",
     .family = "CLUSTAL",
     .extensions = "aln clustal",
     .guessedByExtension = false,
     .mimeType = "text/x-clustal-alignment",
     .invalidFileHeading = InputMessage::ClustalInvalid,
     .errorInFileHeading = InputMessage::ClustalError,
     .read = readWith<ClustalReader>},
    phdRow(PhdMsf, "PHD (MSF)", "phd-msf", readPhd<MsfReader>),
    phdRow(PhdSaf, "PHD (SAF)", "phd-saf", readPhd<ClustalReader>),
    {.format = Dsc,
     .label = "DSC",
     .cliName = "dsc",
     .family = "DSC",
     .extensions = "dsc",
     .guessedByExtension = false,
     .mimeType = "text/x-dsc-prediction",
     .invalidFileHeading = InputMessage::DscInvalid,
     .errorInFileHeading = InputMessage::DscError,
     .read = readWith<MsfReader>},
    {.format = Stockholm,
     .label = "Stockholm",
     .cliName = "stockholm",
     .family = "Stockholm",
     .extensions = "sto stk sth",
     .guessedByExtension = true,
     .mimeType = "text/x-stockholm",
     .invalidFileHeading = InputMessage::StockholmInvalid,
     .errorInFileHeading = InputMessage::StockholmError,
     .read = readWithStructure<StockholmReader>},
    {.format = A2m,
     .label = "A2M",
     .cliName = "a2m",
     .family = "A2M",
     .extensions = "a2m",
     .guessedByExtension = true,
     .mimeType = "text/x-a2m",
     .invalidFileHeading = InputMessage::A2mInvalid,
     .errorInFileHeading = InputMessage::A2mError,
     .read = readWithStructure<A2mReader>,
     .insertLetters = true},
    {.format = A3m,
     .label = "A3M",
     .cliName = "a3m",
     .family = "A3M",
     .extensions = "a3m",
     .guessedByExtension = true,
     .mimeType = "text/x-a2m",
     .invalidFileHeading = InputMessage::A3mInvalid,
     .errorInFileHeading = InputMessage::A3mError,
     .read = readWithStructure<A2mReader>,
     .insertLetters = true},
    {.format = Phylip,
     .label = "PHYLIP",
     .cliName = "phylip",
     .family = "PHYLIP",
     .extensions = "phy phylip",
     .guessedByExtension = true,
     .mimeType = "text/x-phylip",
     .invalidFileHeading = InputMessage::PhylipInvalid,
     .errorInFileHeading = InputMessage::PhylipError,
     .read = readWith<PhylipReader>},
    {.format = Pir,
     .label = "PIR/NBRF",
     .cliName = "pir",
     .family = "PIR/NBRF",
     .extensions = "pir nbrf",
     .guessedByExtension = true,
     .mimeType = "text/x-pir",
     .invalidFileHeading = InputMessage::PirInvalid,
     .errorInFileHeading = InputMessage::PirError,
     .read = readWith<PirReader>},
};

// The confirmation list: the formats by value, which puts the six the guess
// has always known at the positions of their values and the later ones,
// whose values come after Undetermined, after them.
constexpr auto kByValue = [] {
  auto rows = std::to_array(kFormats);
  std::sort(rows.begin(), rows.end(), [](const FormatDescriptor& a, const FormatDescriptor& b) {
    return a.format < b.format;
  });
  return rows;
}();

}  // namespace

std::span<const FormatDescriptor> formatTable() { return kFormats; }

std::span<const FormatDescriptor> formatList() { return kByValue; }

const FormatDescriptor* findFormat(AlignmentFormat format) {
  for (const FormatDescriptor& row : kFormats) {
    if (row.format == format) return &row;
  }
  return nullptr;
}

bool hasInsertLetters(AlignmentFormat format) {
  const FormatDescriptor* row = findFormat(format);
  return row && row->insertLetters;
}

std::vector<std::string_view> extensionsOf(const FormatDescriptor& descriptor) {
  std::vector<std::string_view> extensions;
  std::string_view rest = descriptor.extensions;
  while (!rest.empty()) {
    const std::size_t blank = std::min(rest.find(' '), rest.size());
    if (blank > 0) extensions.push_back(rest.substr(0, blank));
    rest.remove_prefix(std::min(blank + 1, rest.size()));
  }
  return extensions;
}

std::vector<std::string_view> allExtensions() {
  std::vector<std::string_view> all;
  for (const FormatDescriptor& row : kFormats) {
    for (std::string_view extension : extensionsOf(row)) {
      if (std::find(all.begin(), all.end(), extension) == all.end()) all.push_back(extension);
    }
  }
  return all;
}

std::string formatFamilyList() {
  std::vector<std::string_view> families;
  for (const FormatDescriptor& row : kFormats) {
    if (families.empty() || families.back() != row.family) families.push_back(row.family);
  }
  std::string list;
  for (std::size_t i = 0; i < families.size(); ++i) {
    if (i > 0) list += i + 1 == families.size() ? " or " : ", ";
    list += families[i];
  }
  return list;
}

}  // namespace hueset
