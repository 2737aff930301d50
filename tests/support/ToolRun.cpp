// RunLexoro: the lexoro command run in-process (kept apart from the rest of the test support so
// that only the test programs that run commands link the tool's library).
#include <sstream>

#include "tests/support/TestSupport.h"
#include "tools/ToolCommon.h"

namespace lexoro::test {

TToolRun RunLexoro(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  tools::TToolStreams io{in, out, err};
  TToolRun run;
  run.Code = tools::RunTool(args, io);
  run.Out = out.str();
  run.Err = err.str();
  return run;
}

}  // namespace lexoro::test
