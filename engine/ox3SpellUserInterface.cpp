#include "lexoro/engine/ox3SpellUserInterface.h"

#include "lexoro/framework/ox3Application.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

int TSpellUserInterface::ShowMessageBox(const std::u16string& Text, const std::u16string& Caption,
                                        std::uint32_t Flags) {
  return Application().ShowMessageBox(Text, Caption, Flags);
}

bool TSpellUserInterface::WaitForMessage() {
  if (!platform::HasMessageQueue() || Application().Terminated()) return false;
  Application().HandleMessage();
  return !Application().Terminated();
}

void TSpellUserInterface::SetHourglass(bool On) {
  Application().SetCursor(On ? TCursor::crHourGlass : TCursor::crDefault);
}

}  // namespace lexoro
