// Main dictionaries found by the names people give them: file stems, locales and language
// names, over folders searched in order.
#include <gtest/gtest.h>

#include "lexoro/platform/ox3Platform.h"
#include "tests/support/TestSupport.h"
#include "tools/DictionaryCompiler.h"
#include "tools/DictionaryNames.h"

namespace lexoro {
namespace {

using test::U16;

void Write(const test::TScratchDir& dir, const std::string& name, std::int32_t language) {
  tools::TDictionaryCompileOptions options;
  options.Language = language;
  const auto result = tools::CompileMainDictionary({u"word"}, options);
  ASSERT_TRUE(result.Ok) << result.Error;
  test::WriteBytes(dir.Path(name), result.Bytes);
}

TEST(DictionaryNames, LocalesAndLanguageNames) {
  EXPECT_EQ(tools::LanguageOfName(u"de_DE"), 1031);
  EXPECT_EQ(tools::LanguageOfName(u"de-CH"), 2055);
  EXPECT_EQ(tools::LanguageOfName(u"pt_BR.UTF-8"), 1046);
  EXPECT_EQ(tools::LanguageOfName(u"fr_FR@euro"), 1036);
  EXPECT_EQ(tools::LanguageOfName(u"DE"), 7);
  EXPECT_EQ(tools::LanguageOfName(u"Fran\u00e7ais"), 12);
  EXPECT_EQ(tools::LanguageOfName(u"brazilian"), 1046);
  for (const char16_t* unknown : {u"", u".", u"xx_YY", u"klingon", u"de_"})
    EXPECT_FALSE(tools::LanguageOfName(unknown)) << test::U8(unknown);
}

TEST(DictionaryNames, FilesAnswerToTheirStemsLocalesAndLanguages) {
  test::TScratchDir first, second;
  Write(first, "Swiss.oxm", 2055);
  Write(first, "Polish.oxm", 1045);
  Write(second, "German.oxm", 1031);
  Write(second, "Polish.oxm", 1045);
  test::WriteText(second.Path("Broken.oxm"), "not a dictionary");
  const std::vector<std::u16string> folders{U16(first.Root()), U16(second.Root())};
  auto find = [&](const std::u16string& name) { return tools::FindMainDictionary(name, folders); };

  EXPECT_EQ(find(u"german"), u"German.oxm");
  EXPECT_EQ(find(u"POLISH"), u"Polish.oxm");
  EXPECT_EQ(find(u"de_DE"), u"German.oxm");  // the exact language before another region
  EXPECT_EQ(find(u"de_CH"), u"Swiss.oxm");
  EXPECT_EQ(find(u"de_AT"), u"Swiss.oxm");  // no Austrian one: the first German of the folders
  EXPECT_EQ(find(u"deutsch"), u"Swiss.oxm");
  EXPECT_EQ(find(u"pl"), u"Polish.oxm");
  EXPECT_EQ(find(u"Other.oxm"), u"Other.oxm");  // a file name or path is taken as given
  EXPECT_EQ(find(u"dir/German"), u"dir/German");
  EXPECT_FALSE(find(u"fr_FR"));
  EXPECT_EQ(find(u"broken"), u"Broken.oxm");  // named: opening it is the session's business
  EXPECT_FALSE(find(u"nonsense"));
  EXPECT_FALSE(tools::FindMainDictionary(u"german", {}));
}

}  // namespace
}  // namespace lexoro
