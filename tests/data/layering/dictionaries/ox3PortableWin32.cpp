// The Windows side may include Windows.
#include <windows.h>
#include <richedit.h>

#include "lexoro/dictionaries/ox3Portable.h"
