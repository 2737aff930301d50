// The shape shared by the spell and the thesaurus interface-language tables: one column per
// language, each an array of one text (or nullptr for an empty cell) per string id, and the
// code names of the ids and languages.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lexoro::languages {

// Checks at compile time that a column lists every string id once; a shorter or longer column
// would shift every text after the gap.
template <std::size_t IdCount, std::size_t N>
constexpr const char16_t* const* Column(const char16_t* const (&Cells)[N]) {
  static_assert(N == IdCount, "a language file must list every string id once");
  return Cells;
}

// The cell (Id, Language); empty when it holds nothing or lies outside the table.
template <std::size_t IdCount, std::size_t LanguageCount>
std::u16string CellText(const std::array<const char16_t* const*, LanguageCount>& Columns, std::size_t Id,
                        std::size_t Language) {
  if (Id >= IdCount || Language >= LanguageCount) return {};
  const char16_t* text = Columns[Language][Id];
  return text ? std::u16string(text) : std::u16string();
}

template <std::size_t Count>
constexpr std::string_view NameOf(const std::array<std::string_view, Count>& Names, std::size_t Index) {
  return Index < Count ? Names[Index] : std::string_view();
}

template <typename TEnum, std::size_t Count>
std::optional<TEnum> FromName(const std::array<std::string_view, Count>& Names, std::string_view Name) {
  for (std::size_t i = 0; i < Count; ++i)
    if (Names[i] == Name) return static_cast<TEnum>(i);
  return std::nullopt;
}

}  // namespace lexoro::languages
