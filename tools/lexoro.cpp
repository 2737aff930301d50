// The lexoro command: compiles and inspects dictionaries and checks text from the shell.
#include <exception>
#include <iostream>

#include "lexoro/platform/ox3Platform.h"
#include "tools/ToolCommon.h"

int main(int argc, char** argv) {
  lexoro::platform::SetBinaryStdio();
  std::ios::sync_with_stdio(false);
  auto args = lexoro::platform::CommandLineUtf8(argc, argv);
  if (!args.empty()) args.erase(args.begin());
  lexoro::tools::TToolStreams io{std::cin, std::cout, std::cerr};
  try {
    const int code = lexoro::tools::RunTool(args, io);
    std::cout.flush();
    return code;
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "lexoro: " << e.what() << "\n";
    return lexoro::tools::kExitError;
  }
}
