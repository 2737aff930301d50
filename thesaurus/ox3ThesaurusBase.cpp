#include "lexoro/thesaurus/ox3ThesaurusBase.h"

#include "lexoro/dictionaries/ox3Util.h"
#include "lexoro/thesaurus/ox3ThesaurusFile.h"

namespace lexoro {

TLexoroThesaurusBase::TLexoroThesaurusBase(TComponent* AOwner)
    : TComponent(AOwner), FThesaurus(std::make_unique<TThesaurusFile>()) {
  SetFilename(kDefaultThesaurusFilename);
}

TLexoroThesaurusBase::~TLexoroThesaurusBase() = default;

void TLexoroThesaurusBase::SetFilename(const std::u16string& Value) {
  FFilename = Value;
  if (!IsDesigning()) FThesaurus->SetFileName(NativePath(ExpandPathMacros(Value)));
}

void TLexoroThesaurusBase::GetString(TThesaurusLanguageString Id, std::u16string& Text) {
  Text = ThesaurusLanguageText(Id, FUILanguage);
  if (OnGetString) OnGetString(this, Id, Text);
  if (Id == TThesaurusLanguageString::lsThesaurus) Text = ReplaceFirst(u"%name%", FThesaurus->Name(), Text);
}

}  // namespace lexoro
