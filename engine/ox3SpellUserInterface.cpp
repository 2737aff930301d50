#include "lexoro/engine/ox3SpellUserInterface.h"

#include "lexoro/framework/ox3Application.h"

namespace lexoro {

int TSpellUserInterface::ShowMessageBox(const std::u16string& Text, const std::u16string& Caption,
                                        std::uint32_t Flags) {
  return Application().ShowMessageBox(Text, Caption, Flags);
}

bool TSpellUserInterface::WaitForMessage() {
#if defined(_WIN32)
  if (Application().Terminated()) return false;
  Application().HandleMessage();
  return !Application().Terminated();
#else
  return false;
#endif
}

void TSpellUserInterface::SetHourglass(bool On) {
  Application().SetCursor(On ? TCursor::crHourGlass : TCursor::crDefault);
}

}  // namespace lexoro
