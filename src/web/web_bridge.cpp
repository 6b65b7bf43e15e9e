// The entry points the page calls. Every run goes through runCli, so the
// page writes exactly what hueset-cli writes; only the input and any
// configuration file come from the page's in-memory file system, and the
// output is handed back as bytes rather than written there.
#include <emscripten/emscripten.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/json_writer.h"
#include "figure/output_kinds.h"
#include "groupings/builtin_defaults.h"
#include "groupings/configuration_file.h"
#include "settings/option_table.h"

namespace {

// What one call gives back; the page reads it and frees it.
struct WebResult {
  int status = 0;
  std::string out;
  std::string err;
};

WebResult* handOver(WebResult result) {
  return std::make_unique<WebResult>(std::move(result)).release();
}

std::string_view kindName(hueset::OptionKind kind) {
  switch (kind) {
    case hueset::OptionKind::Flag: return "flag";
    case hueset::OptionKind::Number: return "number";
    case hueset::OptionKind::Character: return "character";
    case hueset::OptionKind::Text: return "text";
  }
  return "text";
}

std::string optionsJson() {
  std::string json = "[";
  bool first = true;
  for (const hueset::OptionInfo& o : hueset::optionList()) {
    json += first ? "\n  " : ",\n  ";
    first = false;
    json += "{\"name\": " + hueset::jsonString(o.name) +
            ", \"section\": " + hueset::jsonString(o.section) +
            ", \"key\": " + hueset::jsonString(o.key) +
            ", \"kind\": " + hueset::jsonString(kindName(o.kind)) +
            ", \"defaultNumber\": " + std::to_string(o.defaultNumber) +
            ", \"defaultText\": " + hueset::jsonString(o.defaultText) +
            ", \"low\": " + std::to_string(o.low) + ", \"high\": " + std::to_string(o.high) +
            ", \"onCommandLine\": " + (o.onCommandLine ? "true" : "false") + "}";
  }
  return json + "\n]";
}

std::string configurationsJson() {
  std::string json = "[";
  bool first = true;
  for (const char* name : {"colour", "bw", "safe"}) {
    const auto which = hueset::builtinDefaultNamed(name);
    if (!which) continue;
    json += first ? "" : ", ";
    first = false;
    json += "{\"name\": " + hueset::jsonString(name) +
            ", \"title\": " + hueset::jsonString(hueset::builtinDefaultTitle(*which)) + "}";
  }
  return json + "]";
}

std::string kindsJson() {
  std::string json = "[";
  bool first = true;
  for (const hueset::OutputKindInfo& info : hueset::outputKinds()) {
    if (info.name.empty()) continue;
    json += first ? "" : ", ";
    first = false;
    json += "{\"name\": " + hueset::jsonString(info.name) +
            ", \"figure\": " + (info.figure ? "true" : "false") +
            ", \"available\": " + (info.make ? "true" : "false") + "}";
  }
  return json + "]";
}

}  // namespace

extern "C" {

// Runs the command line `words` (each ended by a NUL byte, `size` bytes in
// all) with empty standard input.
EMSCRIPTEN_KEEPALIVE WebResult* hueset_run(const char* words, int size) {
  std::vector<std::string> args;
  std::string word;
  for (int i = 0; i < size; ++i) {
    if (words[i] == '\0') {
      args.push_back(std::move(word));
      word.clear();
    } else {
      word += words[i];
    }
  }
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  WebResult result;
  result.status = hueset::runCli(args, in, out, err);
  result.out = std::move(out).str();
  result.err = std::move(err).str();
  return handOver(std::move(result));
}

// The option table, the built-in configurations and the output kinds, as
// JSON: the page builds its form and its menus from them.
EMSCRIPTEN_KEEPALIVE WebResult* hueset_describe() {
  WebResult result;
  result.out = std::string("{\"version\": ") + hueset::jsonString(HUESET_VERSION) +
               ",\n\"options\": " + optionsJson() +
               ",\n\"configurations\": " + configurationsJson() + ",\n\"kinds\": " + kindsJson() +
               "}\n";
  return handOver(std::move(result));
}

// The configuration file at `path` in the other form, or its message.
// `binary` chooses the .cfb form, else .cft.
EMSCRIPTEN_KEEPALIVE WebResult* hueset_configuration(const char* path, int binary) {
  WebResult result;
  const hueset::ConfigurationLoad load = hueset::loadConfigurationFile(path);
  if (!load.ok) {
    result.status = 1;
    result.err = load.message;
    return handOver(std::move(result));
  }
  result.out = hueset::configurationBytes(
      load.set, binary ? hueset::ConfigurationForm::Binary : hueset::ConfigurationForm::Text);
  return handOver(std::move(result));
}

EMSCRIPTEN_KEEPALIVE int hueset_result_status(const WebResult* r) { return r->status; }
EMSCRIPTEN_KEEPALIVE const char* hueset_result_out(const WebResult* r) { return r->out.data(); }
EMSCRIPTEN_KEEPALIVE int hueset_result_out_size(const WebResult* r) {
  return static_cast<int>(r->out.size());
}
EMSCRIPTEN_KEEPALIVE const char* hueset_result_err(const WebResult* r) { return r->err.data(); }
EMSCRIPTEN_KEEPALIVE int hueset_result_err_size(const WebResult* r) {
  return static_cast<int>(r->err.size());
}
EMSCRIPTEN_KEEPALIVE void hueset_result_free(WebResult* r) { std::unique_ptr<WebResult> owned(r); }

}  // extern "C"
