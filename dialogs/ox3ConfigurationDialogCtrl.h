// TConfigurationDialogCtrl: the non-visual component every spell dialog form carries. It is
// the one path between a dialog and the spell component: the component links itself to the
// controller when it opens the dialog, and the form asks the controller for its texts.
// With no component linked every query yields the empty text.
#pragma once

#include <string>

#include "lexoro/engine/ox3SpellTypes.h"
#include "lexoro/framework/ox3Classes.h"

namespace lexoro {

class TCustomDictionary;
class TLexoroConfig;
class TLexoroSpellBase;

class TConfigurationDialogCtrl : public TComponent {
 public:
  explicit TConfigurationDialogCtrl(TComponent* AOwner);
  ~TConfigurationDialogCtrl() override;

  // The first link wins: a controller already linked ignores later calls. Linking copies the
  // component's configuration and available options, then fires OnConfigurationAvailable.
  void LinkComponent(TLexoroSpellBase* Component);
  // Stores the dictionary a dictionary dialog edits; fires OnCustomDictionaryAvailable for a
  // dictionary that is not null.
  void SetCustomDictionary(TCustomDictionary* Dictionary);

  [[nodiscard]] TLexoroSpellBase* Component() const { return FComponent; }
  [[nodiscard]] TLexoroConfig* Configuration() const { return FConfiguration; }
  [[nodiscard]] TSpellOptions AvailableOptions() const { return FAvailableOptions; }
  [[nodiscard]] TCustomDictionary* CustomDictionary() const { return FCustomDictionary; }

  // The component's interface text; empty with no component linked.
  [[nodiscard]] std::u16string GetString(TSpellLanguageString Id) const;
  // The caption of an option: the user options take the component's ConfigUserOption1 to 4
  // as they stand (not through OnGetString); every other option the text of the string id
  // with the option's ordinal.
  [[nodiscard]] std::u16string GetOptionCaption(TSpellOption Option) const;

  [[nodiscard]] std::u16string Version() const;
  void SetVersion(const std::u16string&) {}

  TNotifyEvent OnConfigurationAvailable;
  TNotifyEvent OnCustomDictionaryAvailable;
  TWordPromptEvent OnPromptWord;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TLexoroSpellBase* FComponent = nullptr;
  TLexoroConfig* FConfiguration = nullptr;
  TSpellOptions FAvailableOptions;
  TCustomDictionary* FCustomDictionary = nullptr;
};

}  // namespace lexoro
