#include "cli/cli.h"

#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "annotate/annotation_writer.h"
#include "cli/cli_arguments.h"
#include "cli/json_writer.h"
#include "figure/output_kinds.h"
#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "groupings/current_configuration.h"
#include "input/document_text.h"
#include "input/format_guess.h"
#include "input/parse_reports.h"
#include "input/text_check.h"
#include "output/writer_factory.h"
#include "pipeline/annotation_driver.h"
#include "pipeline/annotation_files.h"
#include "settings/option_table.h"
#include "settings/options.h"
#include "settings/profile_store.h"
#include "structure/structure_attachment.h"
#include "structure/structure_reader.h"
#include "util/current_failure.h"
#include "util/file_read.h"
#include "util/file_write.h"
#include "util/utf8_text.h"

namespace hueset {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// Messages keep their words but fit on one line of a terminal; the control
// characters of names and file content they quote are shown escaped.
std::string oneLine(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n' || c == '\t') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return escapedControls(out);
}

struct RecordedMessage {
  std::string kind;  // "error", "question", "unequalLengths"
  std::string text;
  int line = 0;
};

// Reader messages as compiler-style lines; questions are answered by policy.
class CliSink : public ParseMessageSink {
 public:
  CliSink(std::string label, std::ostream& err, bool strict)
      : m_label(std::move(label)), m_err(err), m_strict(strict) {}

  bool ask(const std::string& text, int line) override {
    m_messages.push_back({"question", text, line});
    print(m_strict ? "error" : "warning", text, line);
    return m_strict;
  }
  void error(const std::string& text, int line) override {
    m_messages.push_back({"error", text, line});
    print("error", text, line);
  }
  void unequalLengths(const std::string& text, const Alignment& alignment) override {
    m_messages.push_back({"unequalLengths", text, 0});
    UnequalLengthsReport report = makeUnequalLengthsReport(text, alignment);
    print("error", std::string(text) + " " + std::string(kUnequalLengthsExplanation), 0);
    for (const auto& row : report.rows) {
      m_err << "  " << escapedControls(row.name) << "  " << row.length << "  "
            << escapedControls(row.residues) << "\n";
    }
  }

  void print(std::string_view kind, std::string_view text, int line) {
    m_err << m_label;
    if (line > 0) m_err << ":" << line;
    m_err << ": " << kind << ": " << oneLine(text) << "\n";
  }
  const std::vector<RecordedMessage>& messages() const { return m_messages; }

 private:
  std::string m_label;
  std::ostream& m_err;
  bool m_strict;
  std::vector<RecordedMessage> m_messages;
};

class CliInteraction : public AnnotationInteraction {
 public:
  CliInteraction(CliSink& sink, bool strict, std::optional<std::vector<int>> sets,
                 std::ostream& err)
      : m_sink(sink), m_strict(strict), m_sets(std::move(sets)), m_err(err) {}

  ParseMessageSink& messageSink() override { return m_sink; }
  // The run stopped on a message printed here.
  bool refused() const { return m_refused; }
  // Once read, a mapped input file's pages are given back.
  void releaseAfterReading(FileContent* input) { m_input = input; }
  bool progress(AnnotationStage stage, int) override {
    if (stage == AnnotationStage::Consensus && m_input) m_input->dropPages();
    return true;
  }
  void warn(const std::string& text) override {
    m_err << "hueset-cli: warning: " << oneLine(text) << "\n";
  }

  // There is no one to ask: the guess stands.
  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override { return guess; }

  bool acceptInvalidCharacters(const std::vector<CharacterProblem>& problems) override {
    CharacterReport report = makeCharacterReport(problems);
    m_sink.print(m_strict ? "error" : "warning",
                 "Invalid characters in " + std::to_string(problems.size()) + " sequence(s)" +
                     (m_strict ? "" : "; they are treated as gaps"),
                 0);
    for (const auto& row : report.rows) {
      m_err << "  ";
      for (std::size_t c = 0; c < row.size(); ++c) {
        if (c > 0) {
          if (row[c].empty()) continue;
          m_err << "; " << characterColumnTitle(report.kinds[c]) << ": ";
        }
        m_err << escapedControls(row[c]);
      }
      m_err << "\n";
    }
    if (report.noteVisible) m_err << "  " << kCharacterReportNote << "\n";
    return !m_strict;
  }

  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names, bool,
                                             const std::vector<int>& startingChoice) override {
    if (m_sets) {
      for (int index : *m_sets) {
        if (index < static_cast<int>(names.size())) continue;
        m_sink.print("error",
                     "--sets names sequence " + std::to_string(index) + ", but the alignment has " +
                         std::to_string(names.size()) + " (numbered from 0 to " +
                         std::to_string(names.size() - 1) + ")",
                     0);
        m_refused = true;
        return std::nullopt;
      }
      return m_sets;
    }
    if (!startingChoice.empty()) return startingChoice;
    std::vector<int> layout{-1};
    for (std::size_t i = 0; i < names.size(); ++i) layout.push_back(static_cast<int>(i));
    return layout;
  }

 private:
  CliSink& m_sink;
  bool m_strict;
  std::optional<std::vector<int>> m_sets;
  std::ostream& m_err;
  bool m_refused = false;
  FileContent* m_input = nullptr;
};

std::string inputLabel(const std::string& input) { return input == "-" ? "<stdin>" : input; }

// The format the command line gives, or the guess ("auto"), which goes by
// the file's extension where the text has no keyword.
FormatRequest formatRequest(const CliArguments& a) {
  return {formatFromCliName(a.format), a.input == "-" ? std::string_view() : a.input};
}

// Each --structure read and attached in turn; the first that fails stops
// the annotation with its message.
AfterReading structuresOf(const CliArguments& a, const Options& options) {
  if (a.structures.empty()) return {};
  const bool accessibility = options.figureLayout.structureAccessibility;
  const bool numbering = options.figureLayout.structureNumbering;
  return [&a, accessibility, numbering](Alignment& alignment, AnnotationInteraction& interaction) {
    for (const std::string& text : a.structures) {
      const StructureRequest request = parseStructureRequest(text);
      const StructureRead read = readStructure(request.file, request.chain);
      std::string problem = read.problem;
      if (read.chain)
        problem =
            attachStructure(alignment, *read.chain, request.sequence, accessibility, numbering);
      if (!problem.empty()) {
        interaction.messageSink().error(problem, 0);
        return false;
      }
    }
    return true;
  };
}

// The input's text: a regular file mapped as it is, anything else read as a
// stream, and gzip data (whatever the name) inflated.
struct InputText {
  FileContent raw;
  std::string inflated;
  bool compressed = false;

  std::string_view text() const { return compressed ? std::string_view(inflated) : raw.bytes(); }
};

// FILE or standard input; says why when it cannot be read.
std::optional<InputText> readInput(const std::string& path, std::istream& in, std::ostream& err,
                                   const Options& options) {
  FileReadResult read = path == "-" ? readInputStream(in) : readInputFile(path);
  if (!read.ok()) {
    err << inputLabel(path) << ": error: " << read.error << "\n";
    return std::nullopt;
  }
  InputText input;
  input.raw = std::move(read.content);
  if (isGzip(input.raw.bytes())) {
    DocumentText document = decodeDocument(std::string(input.raw.bytes()),
                                           inflateLimitOf(options.input.maxInflatedMegabytes));
    if (!document.ok()) {
      err << inputLabel(path) << ": error: " << oneLine(document.message) << "\n";
      return std::nullopt;
    }
    input.raw = FileContent();
    input.inflated = std::move(document.text);
    input.compressed = true;
  }
  return input;
}

// A full disk or a closed pipe on standard output is reported, never
// passed over as success.
int finishStandardOutput(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return kSuccess;
  err << "hueset-cli: error: cannot write to standard output\n";
  return kFailed;
}

// Everything that comes before reading the alignment: options and groupings.
struct Setup {
  Options options;
  GroupingSet groupings;
};

std::optional<Setup> prepare(const CliArguments& a, std::ostream& err) {
  Setup setup;
  if (!a.noProfile) {
    IniProfileStore profile(defaultProfilePath());
    if (!profile.problem().empty()) err << "hueset-cli: warning: " << profile.problem() << "\n";
    setup.options.load(profile);
  }
  for (const auto& [name, value] : a.optionAssignments) {
    OptionAssignment assigned = assignOption(setup.options, name, value);
    if (!assigned.error.empty()) {
      err << "hueset-cli: " << assigned.error << "\n";
      return std::nullopt;
    }
    if (!assigned.warning.empty()) err << "hueset-cli: warning: " << assigned.warning << "\n";
  }

  if (const std::optional<BuiltinDefault> builtin = builtinDefaultNamed(a.config)) {
    setup.groupings = builtinDefault(*builtin);
  } else if (!a.config.empty()) {
    ConfigurationLoad load = loadConfigurationFile(a.config);
    if (!load.ok) {
      err << a.config << ": error: " << oneLine(load.message) << "\n";
      return std::nullopt;
    }
    setup.groupings = std::move(load.set);
  } else {
    // As the desktop program starts: the last file, else the colour default.
    StartupConfiguration start = startupConfiguration(
        a.noProfile ? std::string() : setup.options.paths.lastConfigurationFile);
    if (start.fileFailed()) {
      err << setup.options.paths.lastConfigurationFile << ": error: " << oneLine(start.load.message)
          << "\n";
      err << "hueset-cli: warning: using the built-in colour groupings instead\n";
    }
    setup.groupings = start.takeSet();
  }
  return setup;
}

int deliver(const std::string& bytes, const std::string& output, std::ostream& out,
            std::ostream& err) {
  if (output.empty() || output == "-") {
    out << bytes;
    return finishStandardOutput(out, err);
  }
  WriteResult written = writeFileAtomically(output, bytes);
  if (!written.ok) {
    err << output << ": error: " << written.error << "\n";
    return kFailed;
  }
  return kSuccess;
}

int runAnnotate(const CliArguments& a, std::istream& in, std::ostream& out, std::ostream& err,
                bool outputIsTerminal) {
  auto setup = prepare(a, err);
  if (!setup) return kUsage;
  const OutputKind kind =
      a.to.value_or(a.output.empty() ? OutputKind::Rtf : outputKindForPath(a.output));
  if (outputIsTerminal && (a.output.empty() || a.output == "-") &&
      (kind == OutputKind::Pdf || kind == OutputKind::Png || kind == OutputKind::Tiff)) {
    err << "hueset-cli: error: a PDF, PNG or TIFF is not written to a terminal; give a file with "
           "-o "
           "or redirect the output\n";
    return kUsage;
  }
  std::unique_ptr<AnnotationWriter> writer = makeWriter(kind, setup->options, setup->groupings);
  if (!writer) {
    err << "hueset-cli: " << kFiguresUnavailable << "\n";
    return kUsage;
  }

  if (kind == OutputKind::Css) {
    // The style sheet comes from the groupings alone.
    writeStyleSheet(*writer, setup->groupings);
    return deliver(writer->fileText(), a.output, out, err);
  }

  std::optional<InputText> input = readInput(a.input, in, err, setup->options);
  if (!input) return kFailed;
  const std::string_view text = input->text();
  if (a.sets) setup->options.output.multipleSets = true;

  // The annotation streams out as it is laid out, so a file of any size is
  // written in bounded memory; a file is put in place only when complete.
  std::optional<AnnotationFiles> files;
  if (!a.output.empty() && a.output != "-") {
    files.emplace(a.output, *writer);
    if (!files->isOpen()) {
      err << a.output << ": error: " << files->error() << "\n";
      return kFailed;
    }
  } else if (writer->writesPages()) {
    err << "hueset-cli: error: a PNG or SVG on paper is a file a page; give a file with -o\n";
    return kUsage;
  } else {
    writer->streamTo(&out);
  }

  CliSink sink(inputLabel(a.input), err, a.strict);
  CliInteraction interaction(sink, a.strict, a.sets, err);
  interaction.releaseAfterReading(&input->raw);
  RememberedSets remembered;
  if (!annotate(text, setup->options, setup->groupings, *writer, interaction, remembered,
                formatRequest(a), structuresOf(a, setup->options))) {
    if (sink.messages().empty() && !interaction.refused()) {
      sink.print("error", "nothing to annotate: at least two sequences are needed", 0);
    }
    return kFailed;  // an unfinished file is discarded
  }
  if (const std::string problem = writer->problem(); !problem.empty()) {
    err << (a.output.empty() ? std::string("hueset-cli") : a.output) << ": error: " << problem
        << "\n";
    return kFailed;
  }
  writer->drainToStream();
  if (files) {
    WriteResult written = files->commit();
    if (!written.ok) {
      err << a.output << ": error: " << written.error << "\n";
      return kFailed;
    }
    if (writer->writesPages()) {
      for (const std::string& path : files->paths()) err << "hueset-cli: wrote " << path << "\n";
    }
    return kSuccess;
  }
  return finishStandardOutput(out, err);
}

void writeJsonList(std::ostream& out, const char* name, const std::vector<std::string>& items) {
  out << "  " << jsonString(name) << ": [";
  for (std::size_t i = 0; i < items.size(); ++i) {
    out << (i ? ",\n    " : "\n    ") << jsonString(items[i]);
  }
  out << (items.empty() ? "],\n" : "\n  ],\n");
}

int runRead(const CliArguments& a, std::istream& in, std::ostream& out, std::ostream& err) {
  auto setup = prepare(a, err);
  if (!setup) return kUsage;
  const std::optional<InputText> input = readInput(a.input, in, err, setup->options);
  if (!input) return kFailed;
  CliSink sink(inputLabel(a.input), err, a.strict);
  const CheckedText checked = checkDocumentText(input->text());
  if (checked.problem) {
    sink.error(*checked.problem, checked.line);
    return kFailed;
  }
  const AlignmentFormat format = settleFormat(checked.text, formatRequest(a));
  Alignment alignment;
  const bool ok =
      readAlignment(checked.text, format, sink, alignment, readSettings(setup->options));

  std::ostringstream json;
  const std::string_view label = formatLabel(alignment.format);
  json << "{\n  \"ok\": " << (ok ? "true" : "false") << ",\n";
  json << "  \"format\": " << (label.empty() ? "null" : jsonString(label)) << ",\n";
  json << "  \"length\": " << alignment.length << ",\n";
  writeJsonList(json, "names", alignment.names);
  writeJsonList(json, "residues", alignment.residues);
  writeJsonList(json, "trackLabels", alignment.trackLabels);
  writeJsonList(json, "tracks", alignment.tracks);
  json << "  \"messages\": [";
  const auto& messages = sink.messages();
  for (std::size_t i = 0; i < messages.size(); ++i) {
    json << (i ? ",\n    " : "\n    ") << "{\"kind\": " << jsonString(messages[i].kind)
         << ", \"text\": " << jsonString(messages[i].text) << ", \"line\": " << messages[i].line
         << "}";
  }
  json << (messages.empty() ? "]\n}\n" : "\n  ]\n}\n");
  int delivered = deliver(json.str(), a.output, out, err);
  return ok ? delivered : kFailed;
}

int runConfigDump(const CliArguments& a, std::ostream& out, std::ostream& err) {
  const GroupingSet set =
      builtinDefault(builtinDefaultNamed(a.dumpWhich).value_or(BuiltinDefault::Colour));
  const auto form = a.dumpAs == "cfb" ? ConfigurationForm::Binary : ConfigurationForm::Text;
  return deliver(configurationBytes(set, form), a.output, out, err);
}

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, bool outputIsTerminal) {
  ParsedArguments parsed = parseCliArguments(args);
  if (!parsed.error.empty()) {
    err << "hueset-cli: " << parsed.error << "\n" << cliUsage();
    return kUsage;
  }
  const CliArguments& a = parsed.arguments;
  switch (a.command) {
    case CliCommand::Help:
      out << cliUsage() << "\nOption names for --option: " << optionNameList() << "\n";
      return finishStandardOutput(out, err);
    case CliCommand::Version:
      out << "hueset-cli " << HUESET_VERSION << "\n";
      return finishStandardOutput(out, err);
    case CliCommand::Annotate: return runAnnotate(a, in, out, err, outputIsTerminal);
    case CliCommand::Read: return runRead(a, in, out, err);
    case CliCommand::ConfigDump: return runConfigDump(a, out, err);
  }
  return kUsage;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool outputIsTerminal) {
  installTemporaryFileCleanup();
  // Whatever goes wrong ends with a message and status 1, never an abort;
  // an unfinished output file is discarded on the way out.
  try {
    return runCommand(args, in, out, err, outputIsTerminal);
  } catch (...) {
    err << "hueset-cli: error: " << currentFailure() << "\n";
  }
  return kFailed;
}

}  // namespace hueset
