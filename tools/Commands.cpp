#include "tools/Commands.h"

namespace lexoro::tools {

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      kCompileDictCommand, kLookupCommand, kEnumerateCommand, kInfoCommand, kWordsCommand,
      kPhoneticCommand, kCandidatesCommand,
      kCompileThesaurusCommand, kThesaurusCommand,
      kCustomCommand, kCompileCustomCommand, kDistanceCommand,
      kCheckCommand, kPipeCommand,
      kStringsCommand,
  };
  return commands;
}

}  // namespace lexoro::tools
