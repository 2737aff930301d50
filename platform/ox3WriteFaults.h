// Test seam: simulated write faults. Tests use it to prove that a save which fails half-way
// leaves the file it replaces as it was. It is not part of the installed interface.
//
// When a hook is set, TAtomicFileWriter asks it before each Write (which then writes half of
// its bytes and fails) and before Commit replaces the target (which then fails); the
// configuration stores that do not write through TAtomicFileWriter ask it before every write
// and before Commit makes their writes permanent. True means "fail this step", as a full disk
// or a crash would.
#pragma once

#include <functional>

namespace lexoro::platform {

// Installs the hook; {} removes it.
void SetWriteFaultHook(std::function<bool()> hook);
// True when a hook is set and asks to fail this step.
[[nodiscard]] bool WriteFaultInjected();

}  // namespace lexoro::platform
