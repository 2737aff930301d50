#include "tests/dialogs/DialogGalleryWin32.h"

#include <windows.h>

#include <chrono>

#include "lexoro/dialogs/ox3ConfigurationDialogWin32.h"
#include "lexoro/framework/ox3Application.h"

namespace lexoro::test {

namespace {

// A text whose first misspelling ("jumpd") has suggestions in the shipped dictionary.
constexpr char16_t kMemoText[] = u"The quick brown fox jumpd over the lazy dog.\r\nA second line of text.";

// Dispatches messages for a while, so that windows are painted.
void Settle(int Milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    Application().ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace

std::string LanguageName(TSpellLanguageType Language) {
  const std::string_view name = SpellLanguageTypeName(Language);
  return std::string(name.substr(name.rfind("lt", 0) == 0 ? 2 : 0));
}

TDialogGallery::TDialogGallery(const std::u16string& DataFolder, const std::u16string& ScratchFolder) {
  FHost = std::make_unique<TForm>(nullptr);
  FHost->SetCaption(u"Lexoro");
  FHost->SetBounds(20, 20, 460, 200);
  FMemo = new TMemo(FHost.get());
  FMemo->SetParent(FHost.get());
  FMemo->SetBounds(8, 8, 430, 140);
  FSpell = std::make_unique<TLexoroSpellDialogs>(nullptr);
  FSpell->SetConfigStorage(csNone);
  FSpell->SetConfigDictionaryDir(TStringList{ScratchFolder, DataFolder});
  FSpell->SetConfigDefaultMain(TStringList{u"American.oxm"});
  FSpell->SetConfigDefaultCustom(TStringList{u"Autocorrect.oxu"});
  FSpell->SetConfigDefaultActiveCustom(u"user.oxu");
  FSpell->SetSuggestionsLearning(false);
  FSpell->SetEndMessage(emNever);
  FSpell->SetSynchronousCheck(false);
  FSpell->SetDialogInitialPos(ipScreenCenter);
  FSpell->SetDialogSelectionAvoid(saNone);
  FHost->Show();
}

TDialogGallery::~TDialogGallery() {
  FSpell.reset();
  FHost.reset();
  Application().ProcessMessages();
}

bool TDialogGallery::Exists(const std::string& Dialog, TSpellLanguageType Language) {
  if (Dialog == "spell-office") return LanguageHasOfficeStrings(Language);
  return Dialog == "spell-classic" || Dialog == "options-classic";
}

bool TDialogGallery::Show(const std::string& Dialog, TSpellLanguageType Language,
                          const std::function<void(TForm&)>& Visit) {
  if (!Exists(Dialog, Language)) return false;
  FSpell->SetUILanguage(Language);
  if (Dialog == "options-classic") {
    // Shown as ShowConfigDialog shows it, but without its modal loop.
    auto* form = new TSpellCheckConfigDialog(FHost.get());
    std::unique_ptr<TForm> owned(form);
    FSpell->ApplyDialogFonts(form, false);
    FSpell->ConnectDialog(form, nullptr);
    form->Show();
    Settle(150);
    if (!form->Visible()) return false;
    Visit(*form);
    return true;
  }
  FSpell->SetDialogTypeSpelling(Dialog == "spell-office" ? sdOffice : sdLexoro);
  FMemo->SetText(kMemoText);
  FSpell->CheckWinControl(FMemo, ckEntireText);
  Settle(150);
  TForm* form = FSpell->DialogForm();
  const bool shown = form && form->Visible();
  if (shown) Visit(*form);
  FSpell->DialogCancel();
  Settle(50);
  return shown;
}

}  // namespace lexoro::test
