// TLexoroSpellDialogs: the spell component that brings its own user interface. It creates the
// spell dialog of the chosen style for a check, shows the options dialog, asks the user for
// further dictionary folders, links every dialog form to itself through the form's
// DialogControl, and gives the dialogs the fonts of the interface language. Applications may
// supply their own form for any dialog (OnCreateLexoroDialog) and replace or veto the folder
// browser (OnBrowseForFolder).
//
// The dialog placement operations (MoveDialogTo, PlaceUnderRect and the component's
// PositionDialog, AvoidSelection, ...) come from the base component
// (engine/ox3DialogPlacement.h, engine/ox3SpellBasePlacement.cpp).
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <functional>
#include <string>

#include "lexoro/engine/ox3DialogPlacement.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"

namespace lexoro {

// The style of a dialog.
enum TSpellDialogType : std::uint8_t { sdLexoro = 0, sdOffice = 1 };

// The dialog OnCreateLexoroDialog is asked for.
enum TLexoroDialog : std::uint8_t {
  oxSpellDialog = 0,
  oxSpellConfigurationDialog = 1,
  oxSpellCustomDictionariesDialog = 2,
  oxSpellCustomDictionaryEditDialog = 3,
  oxThesaurusDialog = 4,
};

// A form for Dialog, owned by OwnerParam; a handler that leaves Form null lets the component
// create its own.
using TLexoroDialogCreateEvent =
    std::function<void(TObject* Sender, TComponent* OwnerParam, TLexoroDialog Dialog, TForm*& Form)>;
// Replaces the folder browser (NewFolder set) or vetoes it (Canceled set); BrowseInfo is the
// record the component prepared.
using TBrowseForFolderEvent = std::function<void(TObject* Sender, TComponent* OwnerParam, BROWSEINFOW BrowseInfo,
                                                 std::u16string& NewFolder, bool& Canceled)>;

// Where the options dialog's links lead ("%AppName%" is expanded when a link is opened).
inline constexpr char16_t kDefaultURLDownloadDictionaries[] =
    u"https://veltrane.example/dl-dictionaries.htm?app=%AppName%";
inline constexpr char16_t kDefaultURLEditDictionaries[] = u"https://veltrane.example/ed-dictionaries.htm?app=%AppName%";

class TLexoroSpellDialogs : public TLexoroSpellBase {
 public:
  // UIType is suiDialog: a check shows the spell dialog and the end message.
  explicit TLexoroSpellDialogs(TComponent* AOwner);
  ~TLexoroSpellDialogs() override;

  // ---- Virtual operations overridden, then added ------------------------------------------

  // Stores the language; a language without the texts of the office-style dialogs switches
  // both dialog types from sdOffice to sdLexoro (and nothing switches them back).
  void SetUILanguage(TSpellLanguageType Value) override;
  // The spell dialog for a check: the application's (OnCreateLexoroDialog), else one of the
  // chosen style, owned by the form of the checked control.
  TForm* CreateSpellDialog() override;
  void ShowConfigDialog(TComponent* Owner) override;
  void ShowCustomDictionariesDialog(TComponent* Owner) override;
  void ShowEditCustomDictionaryDialog(TComponent* Owner, TCustomDictionary* Dictionary) override;
  // Asks for one more folder of dictionaries (the shell's folder browser, unless
  // OnBrowseForFolder supplies or vetoes one) and adds it to the configuration.
  void ShowAddDictionaryDir(TComponent* Owner) override;
  virtual void DoCreateLexoroDialog(TComponent* OwnerParam, TLexoroDialog Dialog, TForm*& Form);
  virtual void DoBrowseForFolder(TComponent* Requester, const BROWSEINFOW& BrowseInfo, std::u16string& NewFolder,
                                 bool& Canceled);
  // Gives a dialog form the interface-language fonts: ParentFont, then with
  // UILanguageUseFonts the controls' font to labels, buttons, check boxes, group boxes, page
  // controls and rich edits, and to list views, list boxes, edits and combo boxes the text font
  // (IsTextDialog) or the controls' font.
  virtual void ApplyDialogFonts(TForm* Form, bool IsTextDialog);

  // ---- Published properties and events ----------------------------------------------------

  [[nodiscard]] TSpellDialogType DialogTypeSpelling() const { return FDialogTypeSpelling; }
  void SetDialogTypeSpelling(TSpellDialogType Value) { FDialogTypeSpelling = Value; }
  [[nodiscard]] TSpellDialogType DialogTypeConfiguration() const { return FDialogTypeConfiguration; }
  void SetDialogTypeConfiguration(TSpellDialogType Value) { FDialogTypeConfiguration = Value; }
  [[nodiscard]] TColor DialogMisspelledWordColor() const { return FDialogMisspelledWordColor; }
  void SetDialogMisspelledWordColor(TColor Value) { FDialogMisspelledWordColor = Value; }
  [[nodiscard]] TFontStyles DialogMisspelledWordStyle() const { return FDialogMisspelledWordStyle; }
  void SetDialogMisspelledWordStyle(TFontStyles Value) { FDialogMisspelledWordStyle = Value; }
  [[nodiscard]] const std::u16string& URLDownloadDictionaries() const { return FURLDownloadDictionaries; }
  void SetURLDownloadDictionaries(const std::u16string& Value) { FURLDownloadDictionaries = Value; }
  [[nodiscard]] const std::u16string& URLEditDictionaries() const { return FURLEditDictionaries; }
  void SetURLEditDictionaries(const std::u16string& Value) { FURLEditDictionaries = Value; }
  [[nodiscard]] bool UILanguageUseFonts() const { return FUILanguageUseFonts; }
  void SetUILanguageUseFonts(bool Value) { FUILanguageUseFonts = Value; }
  // Setting a font copies its attributes into the component's own font.
  [[nodiscard]] TFont& UILanguageFontControls() { return FUILanguageFontControls; }
  void SetUILanguageFontControls(const TFont& Value) { FUILanguageFontControls.Assign(Value); }
  [[nodiscard]] TFont& UILanguageFontText() { return FUILanguageFontText; }
  void SetUILanguageFontText(const TFont& Value) { FUILanguageFontText.Assign(Value); }
  [[nodiscard]] bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value) { FParentFont = Value; }

  TLexoroDialogCreateEvent OnCreateLexoroDialog;
  TBrowseForFolderEvent OnBrowseForFolder;

 private:
  // The form a modal dialog of kind Dialog is shown in: the application's or Create's; null
  // when neither gives one.
  TForm* ModalDialogForm(TComponent* Owner, TLexoroDialog Dialog, const std::function<TForm*()>& Create);
  // Shows a modal dialog form, linked, with its help, and frees it afterwards.
  void RunModalDialog(TForm* Form, bool IsTextDialog, TCustomDictionary* Dictionary, THelpContext Context);

  TSpellDialogType FDialogTypeSpelling = sdOffice;
  TSpellDialogType FDialogTypeConfiguration = sdOffice;
  TColor FDialogMisspelledWordColor = clRed;
  TFontStyles FDialogMisspelledWordStyle{fsBold};
  std::u16string FURLDownloadDictionaries = kDefaultURLDownloadDictionaries;
  std::u16string FURLEditDictionaries = kDefaultURLEditDictionaries;
  bool FUILanguageUseFonts = false;
  TFont FUILanguageFontControls;
  TFont FUILanguageFontText;
  bool FParentFont = false;
};

}  // namespace lexoro
