// Ordinary English prose for the benchmarks of the text walk: a few paragraphs repeated to
// any size, one line break (CR LF) after each line.
#pragma once

#include <cstddef>
#include <string>

namespace lexoro::bench {

inline const char16_t* const kProse[] = {
    u"The morning train was late again, and the platform filled with people who had somewhere",
    u"else to be. A woman near the stairs read a paperback with a cracked spine; two students",
    u"argued about a lecture they had both missed. When the announcement finally came, nobody",
    u"could make out the words, but everyone understood the tone of it and sighed together.",
    u"",
    u"In the village the bakery opens at six. Its owner, who has kept the same hours for thirty",
    u"years, says that the secret of good bread is patience rather than any particular recipe.",
    u"Customers arrive with their own bags, exchange a few remarks about the weather, and leave",
    u"with loaves still warm enough to fog the windows of their cars on a cold winter morning.",
    u"",
    u"Meanwhile the committee met to discuss the budget for the coming year. The treasurer's",
    u"report showed a modest surplus, which prompted a long debate about repairs to the roof,",
    u"new chairs for the hall, and whether the summer festival should charge for admission.",
};

// About Bytes characters of prose (one character is about one byte of ordinary English).
inline std::u16string MakeText(std::size_t Bytes) {
  std::u16string text;
  for (std::size_t i = 0; text.size() < Bytes; ++i) {
    text += kProse[i % (sizeof kProse / sizeof kProse[0])];
    text += u"\r\n";
  }
  return text;
}

}  // namespace lexoro::bench
