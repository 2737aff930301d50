// The utilities that only exist on Windows.
#include <windows.h>
#include <richedit.h>

#include "lexoro/dictionaries/ox3UtilWin32.h"

namespace lexoro {

bool IsRichEditControl(HWND Window) {
  // A rich edit overwrites the range; any other window leaves the preset values alone.
  CHARRANGE range{-2, -2};
  SendMessageW(Window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return !(range.cpMin == -2 && range.cpMax == -2);
}

}  // namespace lexoro
