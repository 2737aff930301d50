// POSIX configuration stores: INI files of the suite's own (platform/ox3IniFile.h), and a
// stand-in for the registry that keeps each registry key in such a file:
//
//   HKEY_CURRENT_USER\Software\Maker\App   ->  $XDG_CONFIG_HOME/lexoro/registry/HKEY_CURRENT_USER/Software/Maker/App.ini
//   subkey (section) ConfigID              ->  [ConfigID] in that file
//
// $XDG_CONFIG_HOME falls back to ~/.config. The parts of the key path are separated by
// backslashes or slashes (the component's path expansion turns the one into the other on
// POSIX); empty parts are skipped, as the registry does with doubled backslashes. "%" and a
// leading "." of a part are written as %25 and %2E, so that no key name can leave the folder
// or collide with another. Unlike the registry, names compare with case here when they pick
// the file.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "lexoro/platform/ox3IniFile.h"
#include "lexoro/platform/ox3Platform.h"
#include "lexoro/platform/ox3Text.h"
#include "lexoro/platform/ox3WriteFaults.h"

namespace lexoro::platform {

namespace {

class TIniFileStore final : public TConfigStore {
 public:
  TIniFileStore(std::u16string Path, bool ForWriting, bool MakeFolders)
      : FPath(std::move(Path)), FForWriting(ForWriting), FMakeFolders(MakeFolders) {
    FReadable = !FPath.empty() && FFile.LoadFromFile(FPath);
  }

  std::u16string ReadString(const std::u16string& Section, const std::u16string& Key,
                            const std::u16string& Default) override {
    return FFile.ReadString(Section, Key, Default);
  }

  bool WriteString(const std::u16string& Section, const std::u16string& Key, const std::u16string& Value) override {
    if (!FForWriting || !FReadable || FFailed || WriteFaultInjected()) {
      FFailed = true;
      return false;
    }
    FFile.WriteString(Section, Key, Value);
    FDirty = true;
    return true;
  }

  bool Commit() override {
    if (FFailed || !FReadable || !FForWriting) return false;
    if (!FDirty) return true;
    if (FMakeFolders) MakeFolders(FPath);
    FDirty = false;
    return FFile.SaveToFile(FPath);
  }

 private:
  // Creates every missing folder above the file.
  static void MakeFolders(const std::u16string& Path) {
    const std::string native = text::Utf16ToUtf8(Path);
    for (std::size_t at = native.find('/', 1); at != std::string::npos; at = native.find('/', at + 1)) {
      const std::string folder = native.substr(0, at);
      if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return;
    }
  }

  std::u16string FPath;
  TIniFile FFile;
  bool FForWriting;
  bool FMakeFolders;
  bool FReadable = false;
  bool FFailed = false;
  bool FDirty = false;
};

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::optional<std::string> ConfigHome() {
  if (auto config = Environment("XDG_CONFIG_HOME"); config && config->front() == '/') return config;
  if (auto home = Environment("HOME")) return *home + "/.config";
  struct passwd* entry = getpwuid(getuid());
  if (entry != nullptr && entry->pw_dir != nullptr && *entry->pw_dir != '\0') return std::string(entry->pw_dir) + "/.config";
  return std::nullopt;
}

std::string EncodeKeyPart(const std::string& part) {
  std::string out;
  for (std::size_t i = 0; i < part.size(); ++i) {
    const char ch = part[i];
    if (ch == '%') out += "%25";
    else if (ch == '.' && i == 0) out += "%2E";
    else out.push_back(ch);
  }
  return out;
}

}  // namespace

std::unique_ptr<TConfigStore> OpenIniFileStore(const std::u16string& path, bool forWriting) {
  return std::make_unique<TIniFileStore>(path, forWriting, false);
}

std::u16string RegistryStandInFile(const std::u16string& keyPath) {
  const auto home = ConfigHome();
  if (!home) return std::u16string();
  std::string path = *home + "/lexoro/registry/HKEY_CURRENT_USER";
  const std::string key = text::Utf16ToUtf8(TIniFile::CleanName(keyPath));
  std::size_t at = 0;
  while (at <= key.size()) {
    std::size_t end = key.find_first_of("\\/", at);
    if (end == std::string::npos) end = key.size();
    if (end > at) path += "/" + EncodeKeyPart(key.substr(at, end - at));
    at = end + 1;
  }
  return text::Utf8ToUtf16(path + ".ini");
}

std::unique_ptr<TConfigStore> OpenRegistryStore(const std::u16string& keyPath, bool forWriting) {
  return std::make_unique<TIniFileStore>(RegistryStandInFile(keyPath), forWriting, true);
}

}  // namespace lexoro::platform
