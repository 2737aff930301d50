// The dialogs of the spell components as a user meets them, one at a time, in any interface
// language: the spell dialog of either style showing a misspelt word of a memo with its
// suggestions, and the options dialog over the shipped dictionaries. The layout test and the
// screenshot program look at the same forms.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lexoro/dialogs/ox3SpellWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/languages/ox3SpellLanguages.h"

namespace lexoro::test {

// The dialogs, by the names their pictures carry.
inline const std::vector<std::string> kGalleryDialogs = {"spell-classic", "spell-office", "options-classic"};

// The name of a language without its prefix ("English", "German").
[[nodiscard]] std::string LanguageName(TSpellLanguageType Language);

class TDialogGallery {
 public:
  // DataFolder holds the shipped dictionaries; the user's custom dictionary goes to
  // ScratchFolder.
  TDialogGallery(const std::u16string& DataFolder, const std::u16string& ScratchFolder);
  ~TDialogGallery();
  TDialogGallery(const TDialogGallery&) = delete;
  TDialogGallery& operator=(const TDialogGallery&) = delete;

  // Whether Dialog exists in Language (the office style only where the language has its texts).
  [[nodiscard]] static bool Exists(const std::string& Dialog, TSpellLanguageType Language);
  // Shows Dialog in Language, calls Visit with the form while it shows, then closes it; false
  // when it did not show.
  bool Show(const std::string& Dialog, TSpellLanguageType Language, const std::function<void(TForm&)>& Visit);
  [[nodiscard]] TLexoroSpellDialogs& Spell() { return *FSpell; }

 private:
  std::unique_ptr<TForm> FHost;
  TMemo* FMemo = nullptr;
  std::unique_ptr<TLexoroSpellDialogs> FSpell;
};

}  // namespace lexoro::test
