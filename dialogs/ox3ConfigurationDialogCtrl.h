// TConfigurationDialogCtrl: the non-visual component every dialog form carries, named
// DialogControl on the form. It is the one path between a dialog and the spell component: the
// component links itself to the controller when it opens the dialog (which tells the form,
// through OnConfigurationAvailable, that the component and its configuration are there), and
// the form asks the controller for texts, command sets, file lists and dictionary operations,
// which the controller forwards to the linked component. With no component linked every
// forwarded call does nothing and every query yields null, 0, false or the empty text
// (UseExcludeWords yields true).
#pragma once

#include <memory>
#include <string>

#include "lexoro/engine/ox3DialogControl.h"
#include "lexoro/engine/ox3SpellTypes.h"
#include "lexoro/framework/ox3Classes.h"
#include "lexoro/languages/ox3SpellLanguages.h"

namespace lexoro {

class TCustomDictionary;
class TLexoroConfig;
class TLexoroSpellBase;
class TMainDictionary;

class TConfigurationDialogCtrl : public TCustomConfigurationDialogCtrl {
 public:
  explicit TConfigurationDialogCtrl(TComponent* AOwner);
  ~TConfigurationDialogCtrl() override;

  // The first link wins: a controller already linked ignores later calls. Linking copies the
  // component's configuration and available options, then fires OnConfigurationAvailable.
  void LinkComponent(TLexoroSpellBase* Component) override;
  // Stores the dictionary a dictionary dialog edits; fires OnCustomDictionaryAvailable for a
  // dictionary that is not null.
  void SetCustomDictionary(TCustomDictionary* Dictionary) override;

  [[nodiscard]] TLexoroSpellBase* Component() const { return FComponent; }
  [[nodiscard]] TLexoroConfig* Configuration() const { return FConfiguration; }
  [[nodiscard]] TSpellOptions AvailableOptions() const { return FAvailableOptions; }
  [[nodiscard]] TCustomDictionary* CustomDictionary() const { return FCustomDictionary; }

  // ---- Forwarded to the component
  [[nodiscard]] const TStringList* MSWordCustomDictionaryFiles() const;
  [[nodiscard]] const TStringList* CustomDictionaryFiles() const;
  [[nodiscard]] const TStringList* MainDictionaryFiles() const;
  [[nodiscard]] bool UseExcludeWords() const;
  [[nodiscard]] bool CanUndo() const;
  [[nodiscard]] TCustomDictionary* InternalDictionary() const;
  [[nodiscard]] TCustomDictionary* ActiveCustomDictionary() const;
  [[nodiscard]] TSpellDialogCommands CommandsVisible() const;
  [[nodiscard]] TSpellDialogCommands CommandsEnabled() const;
  [[nodiscard]] bool CommandVisible(TSpellDialogCommand Command) const { return CommandsVisible().Contains(Command); }
  [[nodiscard]] bool CommandEnabled(TSpellDialogCommand Command) const { return CommandsEnabled().Contains(Command); }
  [[nodiscard]] THelpContext HelpCtxSpellDialog() const;
  [[nodiscard]] THelpContext HelpCtxConfigDialog() const;
  [[nodiscard]] THelpContext HelpCtxDictionariesDialog() const;
  [[nodiscard]] THelpContext HelpCtxDictionaryEditDialog() const;
  // A temporary dictionary object for the caller; null when it cannot be opened.
  [[nodiscard]] std::unique_ptr<TMainDictionary> OpenMainDictionary(const std::u16string& File) const;
  [[nodiscard]] std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::u16string& File) const;
  // The component's interface text; empty with no component linked.
  [[nodiscard]] std::u16string GetString(TSpellLanguageString Id) const;
  // The caption of an option: the user options take the component's ConfigUserOption1 to 4
  // as they stand (not through OnGetString); every other option the text of the string id
  // with the option's ordinal.
  [[nodiscard]] std::u16string GetOptionCaption(TSpellOption Option) const;
  // The interface language of the linked component (English with none).
  [[nodiscard]] TSpellLanguageType UILanguage() const;
  // The component's dialogs, with this controller as their owner.
  void ShowConfigDialog();
  void ShowCustomDictionariesDialog();
  void ShowEditCustomDictionaryDialog(TCustomDictionary* Dictionary);
  void ShowAddDictionaryDir();
  void SetCustomDictionaryActive(const std::u16string& File, bool Active);
  void SetMSWordDictionaryActive(const std::u16string& File, bool Active);
  void DeleteCustomDictionary(const std::u16string& File, bool Confirm);
  void NewCustomDictionary(const std::u16string& Name);
  [[nodiscard]] bool RenameCustomDictionary(const std::u16string& OldName, const std::u16string& NewName);
  // The dialog commands of the check driver.
  void DialogIgnore();
  void DialogIgnoreAll();
  void DialogChange(const std::u16string& Word);
  void DialogChangeLine(const std::u16string& Line);
  void DialogChangeAll(const std::u16string& Word);
  void DialogAdd();
  void DialogAutoCorrect(const std::u16string& Word);
  void DialogUndo();
  void DialogIgnoreRepeated();
  void DialogChangeRepeated();
  void DialogCancel();
  // Fills List with the suggestions for Word (at most the component's MaxSuggestions).
  void GetSuggestions(const std::u16string& Word, TStringList& List);
  // Opens the application's help at Context (in the component's help file).
  void ShowHelp(THelpContext Context);

  [[nodiscard]] std::u16string Version() const;
  void SetVersion(const std::u16string&) {}

  TNotifyEvent OnConfigurationAvailable;
  TNotifyEvent OnCustomDictionaryAvailable;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TLexoroSpellBase* FComponent = nullptr;
  TLexoroConfig* FConfiguration = nullptr;
  TSpellOptions FAvailableOptions;
  TCustomDictionary* FCustomDictionary = nullptr;
};

}  // namespace lexoro
