// What the check driver needs of the user interface besides its dialog: message boxes (the
// end message and the wrap-around question), the hourglass cursor while words are scanned,
// and one step of the message loop while a synchronous check waits for the user.
//
// The component holds one (TLexoroSpellBase::SetUserInterface replaces it). The default
// goes through the framework's application object: message boxes through its replaceable
// prompts, the cursor through Application().SetCursor. On Windows a wait step dispatches one
// message of the GUI thread (waiting for one when none is queued). On POSIX there is no
// message loop: a wait step answers false, so a synchronous check returns as a silent host
// expects once no handler answers, and the check can then be driven by the dialog commands.
#pragma once

#include <cstdint>
#include <string>

namespace lexoro {

class TSpellUserInterface {
 public:
  virtual ~TSpellUserInterface() = default;

  // Returns the button chosen (idOK, idYes, idNo, ...).
  virtual int ShowMessageBox(const std::u16string& Text, const std::u16string& Caption, std::uint32_t Flags);
  // Dispatches one message; false when no message can ever arrive (no loop, or the
  // application is terminating), which ends the wait.
  virtual bool WaitForMessage();
  virtual void SetHourglass(bool On);
};

}  // namespace lexoro
