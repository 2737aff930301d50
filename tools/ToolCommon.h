// Shared plumbing of the lexoro command: the command table, argument parsing, and reading
// and writing UTF-8 files. Every command reads and writes through the streams it is given,
// so tests can run commands in-process.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace lexoro::tools {

struct TToolStreams {
  std::istream& In;
  std::ostream& Out;
  std::ostream& Err;
};

// Exit codes shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNegative = 1;  // the command worked and the answer is "no"
inline constexpr int kExitError = 2;

struct TCommand {
  const char* Name;
  const char* Summary;
  const char* Usage;  // full help text
  std::function<int(const std::vector<std::string>& Args, TToolStreams& Io)> Run;
};

// Every command of the tool, in the order `lexoro --help` lists them.
const std::vector<TCommand>& Commands();

// Runs `lexoro ARGS...` (Args excludes the program name).
int RunTool(const std::vector<std::string>& Args, TToolStreams& Io);

// Options of one command: "--name value" / "--name=value" pairs, flags, and positional
// arguments ("--" ends the options).
class TArguments {
 public:
  // ValueOptions take a value; FlagOptions do not. Anything else starting with "-" is an error.
  TArguments(const std::vector<std::string>& Args, const std::vector<std::string>& ValueOptions,
             const std::vector<std::string>& FlagOptions);

  [[nodiscard]] bool Ok() const { return FError.empty(); }
  [[nodiscard]] const std::string& Error() const { return FError; }
  [[nodiscard]] bool Help() const { return FHelp; }
  [[nodiscard]] bool Flag(const std::string& Name) const;
  [[nodiscard]] std::optional<std::string> Value(const std::string& Name) const;
  // All values given for an option that may repeat.
  [[nodiscard]] std::vector<std::string> Values(const std::string& Name) const;
  [[nodiscard]] const std::vector<std::string>& Positional() const { return FPositional; }

 private:
  std::vector<std::pair<std::string, std::string>> FValues;
  std::vector<std::string> FFlags;
  std::vector<std::string> FPositional;
  std::string FError;
  bool FHelp = false;
};

// Reads a whole file given by a UTF-8 path.
[[nodiscard]] std::optional<std::string> ReadFileUtf8Path(const std::string& Path);
// Text in one of the encodings word lists and thesaurus sources come in, converted to UTF-8:
// "UTF-8" (returned as it is) or "ISO-8859-1" (Latin-1). Names are compared without case,
// hyphens or underscores ("utf8", "ISO8859-1" and "latin1" do too). No value for an unknown
// encoding.
[[nodiscard]] std::optional<std::string> TextToUtf8(std::string Bytes, const std::string& Encoding);
// Reads all of a stream.
[[nodiscard]] std::string ReadAll(std::istream& In);
// Splits text into lines (LF or CR LF), keeping empty lines; no final empty line.
[[nodiscard]] std::vector<std::string> SplitLines(const std::string& Text);
// Parses a whole decimal integer.
[[nodiscard]] std::optional<long long> ParseInteger(const std::string& Text);

// Prints "lexoro COMMAND: MESSAGE" on the error stream and returns kExitError.
int ReportError(TToolStreams& Io, const std::string& Command, const std::string& Message);
// Handles --help and bad options: returns an exit code to stop with, or no value to go on.
[[nodiscard]] std::optional<int> CheckArguments(const TArguments& Arguments, const TCommand& Command, TToolStreams& Io);

}  // namespace lexoro::tools
