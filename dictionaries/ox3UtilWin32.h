// The utilities that only exist on Windows.
#pragma once

#include <windows.h>

namespace lexoro {

// True when Window answers EM_EXGETSEL (a rich-edit control).
[[nodiscard]] bool IsRichEditControl(HWND Window);

}  // namespace lexoro
