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
// value in AlignmentFormat.
constexpr FormatDescriptor kFormats[] = {
    {Msf, "MSF", "msf", "MSF", "msf pileup", false, "text/x-msf", 2011, 2012, readWith<MsfReader>},
    {Fasta, "FASTA", "fasta", "FASTA", "fa fasta fas faa", false, "text/x-fasta", 2027, 2026,
     readWith<FastaReader>},
    {Clustal, "CLUSTAL", "clustal", "CLUSTAL", "aln clustal", false, "text/x-clustal-alignment",
     2032, 2033, readWith<ClustalReader>},
    {PhdMsf, "PHD (MSF)", "phd-msf", "PHD", "phd", false, "text/x-phd-prediction", 2040, 2041,
     readPhd<MsfReader>},
    {PhdSaf, "PHD (SAF)", "phd-saf", "PHD", "phd", false, "text/x-phd-prediction", 2040, 2041,
     readPhd<ClustalReader>},
    {Dsc, "DSC", "dsc", "DSC", "dsc", false, "text/x-dsc-prediction", 2042, 2043,
     readWith<MsfReader>},
    {Stockholm, "Stockholm", "stockholm", "Stockholm", "sto stk sth", true, "text/x-stockholm",
     2200, 2201, readWithStructure<StockholmReader>},
    {A2m, "A2M", "a2m", "A2M", "a2m", true, "text/x-a2m", 2210, 2211, readWithStructure<A2mReader>},
    {A3m, "A3M", "a3m", "A3M", "a3m", true, "text/x-a2m", 2212, 2213, readWithStructure<A2mReader>},
    {Phylip, "PHYLIP", "phylip", "PHYLIP", "phy phylip", true, "text/x-phylip", 2220, 2221,
     readWith<PhylipReader>},
    {Pir, "PIR/NBRF", "pir", "PIR/NBRF", "pir nbrf", true, "text/x-pir", 2230, 2231,
     readWith<PirReader>},
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
