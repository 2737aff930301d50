// A portable file that talks to Windows.
#include <string>
#include <windows.h>

#ifdef _WIN32
#include "lexoro/dictionaries/ox3Portable.h"
#endif
