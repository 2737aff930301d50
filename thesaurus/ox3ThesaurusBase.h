// TLexoroThesaurusBase: the non-visual thesaurus component. This unit holds what its dialog
// texts need: the thesaurus file it owns, the file name property and the interface language
// with its OnGetString event.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "lexoro/framework/ox3Classes.h"
#include "lexoro/languages/ox3ThesaurusLanguages.h"

namespace lexoro {

class TThesaurusFile;

using TThesaurusGetStringEvent =
    std::function<void(TObject* Sender, TThesaurusLanguageString LanguageString, std::u16string& Text)>;

inline constexpr char16_t kDefaultThesaurusFilename[] = u"%AppDir%\\Kelmor.oxt";

class TLexoroThesaurusBase : public TComponent {
 public:
  explicit TLexoroThesaurusBase(TComponent* AOwner);
  ~TLexoroThesaurusBase() override;

  // The file name as given; outside design time its expanded form goes to the thesaurus file.
  virtual void SetFilename(const std::u16string& Value);
  // The text of Id in UILanguage, then OnGetString; the caption (lsThesaurus) then has its
  // first "%name%" replaced by the name the thesaurus file gives itself.
  virtual void GetString(TThesaurusLanguageString Id, std::u16string& Text);

  [[nodiscard]] const std::u16string& Filename() const { return FFilename; }
  [[nodiscard]] TThesaurusLanguageType UILanguage() const { return FUILanguage; }
  void SetUILanguage(TThesaurusLanguageType Value) { FUILanguage = Value; }
  [[nodiscard]] TThesaurusFile& Thesaurus() { return *FThesaurus; }

  TThesaurusGetStringEvent OnGetString;

 private:
  std::unique_ptr<TThesaurusFile> FThesaurus;
  std::u16string FFilename;
  TThesaurusLanguageType FUILanguage = TThesaurusLanguageType::ltEnglish;
};

}  // namespace lexoro
