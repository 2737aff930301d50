// The dialogs in all 20 interface languages, measured as they show: every caption fits its
// control in the control's font, no two controls overlap, every control lies inside its parent,
// and two controls whose accelerators differ in English differ in every language.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/dialogs/DialogGalleryWin32.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

// The accelerator letter of a caption, upper-cased; 0 without one.
char16_t Accelerator(const std::u16string& Caption) {
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != u'&') continue;
    if (Caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    wchar_t ch[2] = {static_cast<wchar_t>(Caption[i + 1]), 0};
    CharUpperW(ch);
    return static_cast<char16_t>(ch[0]);
  }
  return 0;
}

void CollectVisible(TWinControl& Parent, std::vector<TWinControl*>& Out) {
  for (int i = 0; i < Parent.ControlCount(); ++i) {
    auto* c = dynamic_cast<TWinControl*>(Parent.Controls(i));
    if (!c || !c->Visible()) continue;
    Out.push_back(c);
    CollectVisible(*c, Out);
  }
}

struct TMeasured {
  std::vector<std::string> Faults;
  std::map<std::u16string, char16_t> Accelerators;  // control name -> letter
};

TMeasured Measure(TForm& Form) {
  TMeasured m;
  std::vector<TWinControl*> controls;
  CollectVisible(Form, controls);
  for (TWinControl* c : controls) {
    const std::string name = test::U8(c->Name());
    if (c->CaptionWidth() > c->Width())
      m.Faults.push_back(name + ": caption needs " + std::to_string(c->CaptionWidth()) + " of " +
                         std::to_string(c->Width()) + " pixels");
    TWinControl* parent = c->Parent();
    if (c->Left() < 0 || c->Top() < 0 || c->Left() + c->Width() > parent->ClientWidth() ||
        c->Top() + c->Height() > parent->ClientHeight())
      m.Faults.push_back(name + ": outside its parent");
    if (c->HasAccelerator())
      if (const char16_t letter = Accelerator(c->Text())) m.Accelerators[c->Name()] = letter;
  }
  for (std::size_t i = 0; i < controls.size(); ++i)
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      TWinControl* a = controls[i];
      TWinControl* b = controls[j];
      if (a->Parent() != b->Parent()) continue;
      const bool overlap = a->Left() < b->Left() + b->Width() && b->Left() < a->Left() + a->Width() &&
                           a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height();
      if (overlap) m.Faults.push_back(test::U8(a->Name()) + " overlaps " + test::U8(b->Name()));
    }
  return m;
}

class DialogLayoutWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    FGallery = std::make_unique<test::TDialogGallery>(test::U16(test::HostPath(test::BuildDir() + "/data")),
                                                      FDir.WPath(""));
  }
  test::TScratchDir FDir;
  std::unique_ptr<test::TDialogGallery> FGallery;
};

TEST_F(DialogLayoutWin32Test, CaptionsFitNothingOverlapsAndAcceleratorsStayApart) {
  for (const std::string& dialog : test::kGalleryDialogs) {
    TMeasured english;
    ASSERT_TRUE(FGallery->Show(dialog, TSpellLanguageType::ltEnglish, [&](TForm& Form) { english = Measure(Form); }));
    for (int l = 0; l < kSpellLanguageCount; ++l) {
      const auto language = static_cast<TSpellLanguageType>(l);
      if (!test::TDialogGallery::Exists(dialog, language)) continue;
      SCOPED_TRACE(dialog + " in " + test::LanguageName(language));
      TMeasured measured;
      ASSERT_TRUE(FGallery->Show(dialog, language, [&](TForm& Form) { measured = Measure(Form); }));
      EXPECT_EQ(measured.Faults, std::vector<std::string>());
      for (const auto& [a, letterA] : measured.Accelerators)
        for (const auto& [b, letterB] : measured.Accelerators) {
          if (a >= b || letterA != letterB) continue;
          const auto ea = english.Accelerators.find(a), eb = english.Accelerators.find(b);
          if (ea != english.Accelerators.end() && eb != english.Accelerators.end() && ea->second != eb->second)
            ADD_FAILURE() << test::U8(a) << " and " << test::U8(b) << " share the accelerator "
                          << test::U8(std::u16string(1, letterA));
        }
    }
  }
}

}  // namespace
}  // namespace lexoro
