#include "cli/cli.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>

#include "annotate/annotation_writer.h"
#include "cli/cli_arguments.h"
#include "cli/json_writer.h"
#include "settings/option_table.h"
#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "groupings/current_configuration.h"
#include "input/format_guess.h"
#include "input/parse_reports.h"
#include "figure/any_writer.h"
#include "output/writer_factory.h"
#include "pipeline/annotation_driver.h"
#include "settings/options.h"
#include "settings/profile_store.h"
#include "util/file_write.h"

namespace hueset {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// Messages keep their words but fit on one line of a terminal.
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
  return out;
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
      m_err << "  " << row.name << "  " << row.length << "  " << row.residues << "\n";
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
  CliInteraction(CliSink& sink, std::optional<AlignmentFormat> format, bool strict,
                 std::optional<std::vector<int>> sets, std::ostream& err)
      : m_sink(sink), m_format(format), m_strict(strict), m_sets(std::move(sets)), m_err(err) {}

  ParseMessageSink& messageSink() override { return m_sink; }

  std::optional<AlignmentFormat> confirmFormat(AlignmentFormat guess) override {
    return m_format.value_or(guess);
  }

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
        m_err << row[c];
      }
      m_err << "\n";
    }
    if (report.noteVisible) m_err << "  " << kCharacterReportNote << "\n";
    return !m_strict;
  }

  std::optional<std::vector<int>> chooseSets(const std::vector<std::string>& names, bool,
                                             const std::vector<int>& startingChoice) override {
    if (m_sets) return m_sets;
    if (!startingChoice.empty()) return startingChoice;
    std::vector<int> layout{-1};
    for (std::size_t i = 0; i < names.size(); ++i) layout.push_back(static_cast<int>(i));
    return layout;
  }

 private:
  CliSink& m_sink;
  std::optional<AlignmentFormat> m_format;
  bool m_strict;
  std::optional<std::vector<int>> m_sets;
  std::ostream& m_err;
};

std::optional<AlignmentFormat> formatNamed(const std::string& name) {
  static const std::pair<const char*, AlignmentFormat> kNames[] = {
      {"fasta", AlignmentFormat::Fasta},    {"clustal", AlignmentFormat::Clustal},
      {"msf", AlignmentFormat::Msf},        {"phd-msf", AlignmentFormat::PhdMsf},
      {"phd-saf", AlignmentFormat::PhdSaf}, {"dsc", AlignmentFormat::Dsc}};
  for (const auto& [n, f] : kNames) {
    if (name == n) return f;
  }
  return std::nullopt;
}

bool readInput(const std::string& path, std::istream& in, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
  }
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  const std::streamoff size = file.tellg();
  if (size < 0) {
    // Not a seekable file (a pipe): read it as it comes.
    file.clear();
    file.seekg(0);
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
  }
  text.resize(static_cast<std::size_t>(size));
  file.seekg(0);
  file.read(text.data(), size);
  text.resize(static_cast<std::size_t>(file.gcount()));
  return !file.bad();
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
    setup.options.load(profile);
  }
  for (const auto& [name, value] : a.optionAssignments) {
    std::string problem = assignOption(setup.options, name, value);
    if (!problem.empty()) {
      err << "hueset-cli: " << problem << "\n";
      return std::nullopt;
    }
  }

  if (a.config == "colour" || a.config == "bw") {
    setup.groupings = builtinDefault(a.config == "colour" ? BuiltinDefault::Colour
                                                          : BuiltinDefault::BlackAndWhite);
  } else if (!a.config.empty()) {
    ConfigurationLoad load = loadConfigurationFile(a.config);
    if (!load.ok) {
      err << a.config << ": error: " << oneLine(load.message) << "\n";
      return std::nullopt;
    }
    setup.groupings = std::move(load.set);
  } else {
    // As the desktop program starts: the last file, else the colour default.
    StartupConfiguration start =
        startupConfiguration(a.noProfile ? std::string() : setup.options.paths.lastConfigurationFile);
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
    out.flush();
    return out ? kSuccess : kFailed;
  }
  WriteResult written = writeFileAtomically(output, bytes);
  if (!written.ok) {
    err << output << ": error: " << written.error << "\n";
    return kFailed;
  }
  return kSuccess;
}

std::string inputLabel(const std::string& input) { return input == "-" ? "<stdin>" : input; }

int runAnnotate(const CliArguments& a, std::istream& in, std::ostream& out, std::ostream& err) {
  auto setup = prepare(a, err);
  if (!setup) return kUsage;
  const OutputKind kind = a.to.value_or(a.output.empty() ? OutputKind::Rtf : outputKindForPath(a.output));
  std::unique_ptr<AnnotationWriter> writer = makeAnyWriter(kind, setup->options, setup->groupings);
  if (!writer) {
    err << "hueset-cli: " << kFiguresUnavailable << "\n";
    return kUsage;
  }

  if (kind == OutputKind::Css) {
    // The style sheet comes from the groupings alone.
    writeStyleSheet(*writer, setup->groupings);
    return deliver(writer->fileText(), a.output, out, err);
  }

  std::string text;
  if (!readInput(a.input, in, text)) {
    err << inputLabel(a.input) << ": error: cannot read the file\n";
    return kFailed;
  }
  // There is no one to ask: the format is the one given, or the guess.
  setup->options.parse.confirmFormats = true;
  if (a.sets) setup->options.output.multipleSets = true;

  // The annotation streams out as it is laid out, so a file of any size is
  // written in bounded memory; a file is put in place only when complete.
  std::optional<AtomicFileWriter> file;
  if (!a.output.empty() && a.output != "-") {
    file.emplace(a.output);
    if (!file->isOpen()) {
      err << a.output << ": error: " << file->error() << "\n";
      return kFailed;
    }
  }
  std::ostream& target = file ? file->stream() : out;
  writer->streamTo(&target);

  CliSink sink(inputLabel(a.input), err, a.strict);
  CliInteraction interaction(sink, formatNamed(a.format), a.strict, a.sets, err);
  RememberedSets remembered;
  if (!annotate(text, setup->options, setup->groupings, *writer, interaction, remembered)) {
    if (sink.messages().empty()) {
      sink.print("error", "nothing to annotate: at least two sequences are needed", 0);
    }
    return kFailed;  // an unfinished file is discarded
  }
  if (const std::string problem = writer->problem(); !problem.empty()) {
    err << (a.output.empty() ? std::string("hueset-cli") : a.output) << ": error: " << problem << "\n";
    return kFailed;
  }
  writer->drainToStream();
  if (file) {
    WriteResult written = file->commit();
    if (!written.ok) {
      err << a.output << ": error: " << written.error << "\n";
      return kFailed;
    }
    return kSuccess;
  }
  out.flush();
  return out ? kSuccess : kFailed;
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
  std::string text;
  if (!readInput(a.input, in, text)) {
    err << inputLabel(a.input) << ": error: cannot read the file\n";
    return kFailed;
  }
  const AlignmentFormat format = formatNamed(a.format).value_or(guessFormat(text));
  CliSink sink(inputLabel(a.input), err, a.strict);
  Alignment alignment;
  const bool ok = readAlignment(text, format, sink, alignment, readSettings(setup->options.parse));

  std::ostringstream json;
  const auto formatIndex = static_cast<std::size_t>(alignment.format);
  json << "{\n  \"ok\": " << (ok ? "true" : "false") << ",\n";
  json << "  \"format\": "
       << (formatIndex < kFormatLabels.size() ? jsonString(kFormatLabels[formatIndex]) : "null")
       << ",\n";
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
      builtinDefault(a.dumpWhich == "colour" ? BuiltinDefault::Colour : BuiltinDefault::BlackAndWhite);
  const auto form = a.dumpAs == "cfb" ? ConfigurationForm::Binary : ConfigurationForm::Text;
  return deliver(configurationBytes(set, form), a.output, out, err);
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  ParsedArguments parsed = parseCliArguments(args);
  if (!parsed.error.empty()) {
    err << "hueset-cli: " << parsed.error << "\n" << kCliUsage;
    return kUsage;
  }
  const CliArguments& a = parsed.arguments;
  switch (a.command) {
    case CliCommand::Help:
      out << kCliUsage << "\nOption names for --option: " << optionNameList() << "\n";
      return kSuccess;
    case CliCommand::Version:
      out << "hueset-cli " << HUESET_VERSION << "\n";
      return kSuccess;
    case CliCommand::Annotate:
      return runAnnotate(a, in, out, err);
    case CliCommand::Read:
      return runRead(a, in, out, err);
    case CliCommand::ConfigDump:
      return runConfigDump(a, out, err);
  }
  return kUsage;
}

}  // namespace hueset
