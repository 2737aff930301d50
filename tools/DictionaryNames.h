// Main dictionaries by the names people give them on a command line: "German.oxm" or a path
// as they are; "german" or "GERMAN" for the file German.oxm in a dictionary folder; a locale
// such as "de_DE", "de-DE" or "de", or a language's name in English or in itself ("deutsch",
// "français", "español"), for the dictionary whose header carries that language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexoro::tools {

// The Windows language identifier of a locale or language name: the exact one for a locale
// with a region ("de_DE" 1031), the primary language (low byte) alone for a bare language
// ("de", "deutsch": 7). No value for a name it does not know.
[[nodiscard]] std::optional<std::int32_t> LanguageOfName(const std::u16string& Name);

// The dictionary entry to configure for Name, given the dictionary folders (path macros
// allowed) in the order they are searched: Name itself when it has a folder or an extension,
// else the file name of the first dictionary that answers to it. A locale prefers the exact
// language to another region of it. No value when no dictionary answers.
[[nodiscard]] std::optional<std::u16string> FindMainDictionary(const std::u16string& Name,
                                                               const std::vector<std::u16string>& Folders);

}  // namespace lexoro::tools
