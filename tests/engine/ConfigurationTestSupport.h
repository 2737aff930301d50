// Clean-up shared by the configuration tests of both targets.
#pragma once

#include <string>

namespace lexoro::test {

// Deletes HKEY_CURRENT_USER\KeyPath with everything below it (POSIX: its stand-in file).
void RemoveTestRegistryKey(const std::u16string& KeyPath);

}  // namespace lexoro::test
