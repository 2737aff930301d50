#include "tools/ToolCommon.h"

#include <cctype>
#include <charconv>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/platform/ox3Version.h"

namespace lexoro::tools {

TArguments::TArguments(const std::vector<std::string>& Args, const std::vector<std::string>& ValueOptions,
                       const std::vector<std::string>& FlagOptions) {
  auto known = [](const std::vector<std::string>& list, const std::string& name) {
    for (const auto& n : list)
      if (n == name) return true;
    return false;
  };
  bool optionsEnded = false;
  for (std::size_t i = 0; i < Args.size(); ++i) {
    const std::string& arg = Args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      FPositional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      FHelp = true;
      continue;
    }
    std::string name = arg, value;
    bool inlineValue = false;
    if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      inlineValue = true;
    }
    if (known(ValueOptions, name)) {
      if (!inlineValue) {
        if (i + 1 >= Args.size()) {
          FError = "option " + name + " needs a value";
          return;
        }
        value = Args[++i];
      }
      FValues.emplace_back(name, value);
    } else if (known(FlagOptions, name) && !inlineValue) {
      FFlags.push_back(name);
    } else {
      FError = "unknown option " + arg;
      return;
    }
  }
}

bool TArguments::Flag(const std::string& Name) const {
  for (const auto& f : FFlags)
    if (f == Name) return true;
  return false;
}

std::optional<std::string> TArguments::Value(const std::string& Name) const {
  std::optional<std::string> found;
  for (const auto& [n, v] : FValues)
    if (n == Name) found = v;
  return found;
}

std::vector<std::string> TArguments::Values(const std::string& Name) const {
  std::vector<std::string> found;
  for (const auto& [n, v] : FValues)
    if (n == Name) found.push_back(v);
  return found;
}

std::optional<std::string> ReadFileUtf8Path(const std::string& Path) {
  auto bytes = platform::ReadWholeFile(text::Utf8ToUtf16(Path));
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

std::optional<std::string> TextToUtf8(std::string Bytes, const std::string& Encoding) {
  std::string name;
  for (char c : Encoding)
    if (c != '-' && c != '_') name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  if (name == "UTF8") return Bytes;
  if (name != "ISO88591" && name != "LATIN1") return std::nullopt;
  std::string out;
  out.reserve(Bytes.size() + Bytes.size() / 8);
  for (unsigned char c : Bytes) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string ReadAll(std::istream& In) {
  std::ostringstream buffer;
  buffer << In.rdbuf();
  return buffer.str();
}

std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < Text.size()) {
    auto eol = Text.find('\n', start);
    std::string line = Text.substr(start, eol == std::string::npos ? std::string::npos : eol - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (eol == std::string::npos) break;
    start = eol + 1;
  }
  return lines;
}

std::optional<long long> ParseInteger(const std::string& Text) {
  long long value = 0;
  const char* end = Text.data() + Text.size();
  auto [p, ec] = std::from_chars(Text.data(), end, value);
  if (ec != std::errc() || p != end || Text.empty()) return std::nullopt;
  return value;
}

int ReportError(TToolStreams& Io, const std::string& Command, const std::string& Message) {
  Io.Err << "lexoro " << Command << ": " << Message << "\n";
  Io.Err.flush();
  return kExitError;
}

std::optional<int> CheckArguments(const TArguments& Arguments, const TCommand& Command, TToolStreams& Io) {
  if (Arguments.Help()) {
    Io.Out << Command.Usage;
    return kExitOk;
  }
  if (!Arguments.Ok()) return ReportError(Io, Command.Name, Arguments.Error() + " (see lexoro " + Command.Name + " --help)");
  return std::nullopt;
}

int RunTool(const std::vector<std::string>& Args, TToolStreams& Io) {
  auto listCommands = [&](std::ostream& out) {
    out << "usage: lexoro COMMAND [OPTIONS] [ARGUMENTS]\n\ncommands:\n";
    for (const auto& c : Commands()) {
      std::string name = c.Name;
      name.resize(std::max<std::size_t>(name.size() + 2, 20), ' ');
      out << "  " << name << c.Summary << "\n";
    }
    out << "\n'lexoro COMMAND --help' describes one command; 'lexoro --version' names the version.\n";
  };
  if (Args.empty()) {
    listCommands(Io.Err);
    return kExitError;
  }
  if (Args[0] == "--help" || Args[0] == "-h" || Args[0] == "help") {
    listCommands(Io.Out);
    return kExitOk;
  }
  if (Args[0] == "--version") {
    Io.Out << "lexoro " << kVersion << "\n";
    return kExitOk;
  }
  for (const auto& c : Commands()) {
    if (Args[0] == c.Name) {
      const std::vector<std::string> rest(Args.begin() + 1, Args.end());
      return c.Run(rest, Io);
    }
  }
  Io.Err << "lexoro: unknown command '" << Args[0] << "' (see lexoro --help)\n";
  return kExitError;
}

}  // namespace lexoro::tools
