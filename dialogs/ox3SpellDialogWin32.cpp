#include "lexoro/dialogs/ox3SpellDialogWin32.h"

#include <algorithm>

namespace lexoro {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kRowPitch = 31;
constexpr int kButtonHeight = 25;
constexpr int kEditHeight = 21;
constexpr int kMinClientWidth = 432;
constexpr int kMinClientHeight = 167;

}  // namespace

TSpellDialog::TSpellDialog(TComponent* AOwner) : TCustomSpellDialog(AOwner) {
  SetName(u"SpellDialog");
  // Created in tab order.
  NotFoundEdit = Make<TEdit>(this, u"NotFoundEdit");
  NotFoundEdit->SetReadOnly(true);
  NotFoundEdit->SetTabStop(false);
  ReplaceWithEdit = Make<TEdit>(this, u"ReplaceWithEdit");
  SuggestionsListbox = Make<TListBox>(this, u"SuggestionsListbox");
  IgnoreButton = Make<TButton>(this, u"IgnoreButton");
  IgnoreAllButton = Make<TButton>(this, u"IgnoreAllButton");
  ChangeButton = Make<TButton>(this, u"ChangeButton");
  ChangeAllButton = Make<TButton>(this, u"ChangeAllButton");
  AddButton = Make<TButton>(this, u"AddButton");
  AutoCorrectButton = Make<TButton>(this, u"AutoCorrectButton");
  HelpButton = Make<TButton>(this, u"HelpButton");
  UndoButton = Make<TButton>(this, u"UndoButton");
  CancelButton = Make<TButton>(this, u"CancelButton");
  OptionsButton = Make<TButton>(this, u"OptionsButton");
  NotFoundText = MakeLabel(this, u"NotFoundText", nullptr);
  ReplaceWithText = MakeLabel(this, u"ReplaceWithText", ReplaceWithEdit);
  SuggestionsText = MakeLabel(this, u"SuggestionsText", SuggestionsListbox);
  ControlsMade(kMinClientWidth, kMinClientHeight);
  ReplaceWithEdit->OnChange = [this](TObject* Sender) { ReplaceWithEditChange(Sender); };

  IgnoreButton->OnClick = [this](TObject*) {
    if (FRepeatedMode) DialogControl().DialogIgnoreRepeated();
    else DialogControl().DialogIgnore();
  };
  ChangeButton->OnClick = [this](TObject*) {
    if (FRepeatedMode) DialogControl().DialogChangeRepeated();
    else DialogControl().DialogChange(ReplaceWithEdit->Text());
  };
  ChangeAllButton->OnClick = [this](TObject*) { DialogControl().DialogChangeAll(ReplaceWithEdit->Text()); };
  AutoCorrectButton->OnClick = [this](TObject*) { DialogControl().DialogAutoCorrect(ReplaceWithEdit->Text()); };
  OptionsButton->OnClick = [this](TObject*) {
    DialogControl().ShowConfigDialog();
    // The suggestions follow the options just chosen.
    DialogControlPromptWord(this, NotFoundEdit->Text(), FRepeatedMode);
  };
  SuggestionsListbox->OnClick = [this](TObject*) {
    const int index = SuggestionsListbox->ItemIndex();
    if (FHasSuggestions && index >= 0) ReplaceWithEdit->SetText(SuggestionsListbox->Items()[index]);
  };
  SuggestionsListbox->OnDblClick = [this](TObject*) {
    const int index = SuggestionsListbox->ItemIndex();
    if (FHasSuggestions && index >= 0) DialogControl().DialogChange(SuggestionsListbox->Items()[index]);
  };
  NotFoundEdit->OnDblClick = [this](TObject*) { ReplaceWithEdit->SetText(NotFoundEdit->Text()); };
}

void TSpellDialog::Arrange() {
  // Column widths from the captions: labels with Undo and Options under them, the edits and the
  // list, then two columns of buttons.
  const int labelWidth = CaptionWidthOf({NotFoundText, ReplaceWithText, SuggestionsText, UndoButton, OptionsButton}, 80);
  const int buttonWidth = CaptionWidthOf({IgnoreButton, IgnoreAllButton, ChangeButton, ChangeAllButton, AddButton,
                                          AutoCorrectButton, HelpButton, CancelButton},
                                         75);
  int editWidth = 160;
  const int fixed = kMargin + labelWidth + kGap + kGap + 2 * buttonWidth + kGap + kMargin;
  editWidth = std::max(editWidth, kMinClientWidth - fixed);
  const int clientWidth = fixed + editWidth;

  const auto row = [](int Index) { return kMargin + Index * kRowPitch; };
  const int editLeft = kMargin + labelWidth + kGap;
  const int column1 = editLeft + editWidth + kGap;
  const int column2 = column1 + buttonWidth + kGap;
  const int labelDrop = (kButtonHeight - NotFoundText->Font().LineHeight()) / 2;
  const int editDrop = (kButtonHeight - kEditHeight) / 2;

  NotFoundText->SetBounds(kMargin, row(0) + labelDrop, labelWidth, NotFoundText->Height());
  NotFoundEdit->SetBounds(editLeft, row(0) + editDrop, editWidth, kEditHeight);
  ReplaceWithText->SetBounds(kMargin, row(1) + labelDrop, labelWidth, ReplaceWithText->Height());
  ReplaceWithEdit->SetBounds(editLeft, row(1) + editDrop, editWidth, kEditHeight);
  SuggestionsText->SetBounds(kMargin, row(2) + labelDrop, labelWidth, SuggestionsText->Height());
  const int listTop = row(2) + editDrop;
  SuggestionsListbox->SetBounds(editLeft, listTop, editWidth, row(4) + kButtonHeight - listTop);
  UndoButton->SetBounds(kMargin, row(3), labelWidth, kButtonHeight);
  OptionsButton->SetBounds(kMargin, row(4), labelWidth, kButtonHeight);

  const std::pair<TButton*, TButton*> rows[] = {
      {IgnoreButton, IgnoreAllButton}, {ChangeButton, ChangeAllButton}, {AddButton, AutoCorrectButton}};
  for (int i = 0; i < 3; ++i) {
    rows[i].first->SetBounds(column1, row(i), buttonWidth, kButtonHeight);
    rows[i].second->SetBounds(column2, row(i), buttonWidth, kButtonHeight);
  }
  HelpButton->SetBounds(column1, row(4), buttonWidth, kButtonHeight);
  CancelButton->SetBounds(column2, row(4), buttonWidth, kButtonHeight);
  SetClientWidth(clientWidth);
  SetClientHeight(std::max(kMinClientHeight, row(4) + kButtonHeight + kMargin));
}

void TSpellDialog::DialogControlConfigurationAvailable(TObject*) {
  TConfigurationDialogCtrl& c = DialogControl();
  BeginConfiguration();
  ReplaceWithText->SetCaption(c.GetString(lsDlgReplaceWith));
  IgnoreButton->SetCaption(c.GetString(lsDlgIgnore));
  AddButton->SetCaption(c.GetString(lsDlgAdd));
  // The longer of the two texts the label shows decides its column.
  NotFoundText->SetCaption(c.GetString(lsDlgRepeatedWord));
  const int repeatedWidth = NotFoundText->CaptionWidth();
  NotFoundText->SetCaption(c.GetString(lsDlgNotFound));
  Arrange();
  if (repeatedWidth > NotFoundText->Width()) {
    NotFoundText->SetCaption(c.GetString(lsDlgRepeatedWord));
    Arrange();
    NotFoundText->SetCaption(c.GetString(lsDlgNotFound));
  }
  ApplyCommandVisibility();
}

void TSpellDialog::SetButtonsEnabled(bool Active) {
  const bool custom = CustomDictionaryPresent();
  UndoButton->SetEnabled(Active && DialogControl().CanUndo() && Enabled(sdcUndo));
  OptionsButton->SetEnabled(Active && Enabled(sdcOptions));
  ReplaceWithEdit->SetEnabled(Active);
  // A list that only says there are no suggestions offers nothing to take.
  SuggestionsListbox->SetEnabled(Active && FHasSuggestions);
  IgnoreAllButton->SetEnabled(Active && Enabled(sdcIgnoreAll));
  IgnoreButton->SetEnabled(Active && Enabled(sdcIgnore));
  ChangeAllButton->SetEnabled(Active && Enabled(sdcChangeAll));
  ChangeButton->SetEnabled(Active && Enabled(sdcChange));
  AddButton->SetEnabled(Active && custom && Enabled(sdcAdd));
  AutoCorrectButton->SetEnabled(Active && custom && Enabled(sdcAutoCorrect));
}

void TSpellDialog::DialogControlPromptWord(TObject*, const std::u16string& Word, bool Repeated) {
  TConfigurationDialogCtrl& c = DialogControl();
  NotFoundEdit->SetText(Word);
  SuggestionsListbox->Clear();
  FHasSuggestions = false;
  if (Repeated != FRepeatedMode) {
    FRepeatedMode = Repeated;
    SetButtonsEnabled(!Repeated);
    if (Repeated) {
      OptionsButton->SetEnabled(Enabled(sdcOptions));
      IgnoreButton->SetEnabled(true);
      ChangeButton->SetEnabled(true);
      NotFoundText->SetCaption(c.GetString(lsDlgRepeatedWord));
    } else {
      NotFoundText->SetCaption(c.GetString(lsDlgNotFound));
    }
  }
  UndoButton->SetEnabled(c.CanUndo() && Enabled(sdcUndo));
  if (Repeated) {
    // The component passes the doubled text; its first half is the single word.
    ReplaceWithEdit->SetText(Word.substr(0, Word.size() / 2));
    return;
  }
  const bool custom = CustomDictionaryPresent();
  AddButton->SetEnabled(custom && Enabled(sdcAdd));
  AutoCorrectButton->SetEnabled(custom && Enabled(sdcAutoCorrect));
  TStringList suggestions;
  c.GetSuggestions(Word, suggestions);
  SuggestionsListbox->SetItems(suggestions);
  FHasSuggestions = suggestions.Count() > 0;
  SuggestionsListbox->SetEnabled(FHasSuggestions);
  // The replacement is where the user types, all of it selected.
  if (ReplaceWithEdit->Enabled()) SetActiveControl(ReplaceWithEdit);
  if (FHasSuggestions) {
    ReplaceWithEdit->SetText(suggestions[0]);
    SuggestionsListbox->SetItemIndex(0);
  } else {
    ReplaceWithEdit->SetText(std::u16string());
    ReplaceWithEditChange(ReplaceWithEdit);
    SuggestionsListbox->AddItem(c.GetString(lsMnNoSuggestions));
  }
  ReplaceWithEdit->SelectAll();
}

void TSpellDialog::ReplaceWithEditChange(TObject*) {
  if (FRepeatedMode) return;
  const bool hasText = !ReplaceWithEdit->Text().empty();
  ChangeAllButton->SetEnabled(hasText && Enabled(sdcChangeAll));
  ChangeButton->SetEnabled(hasText && Enabled(sdcChange));
  AutoCorrectButton->SetEnabled(hasText && CustomDictionaryPresent() && Enabled(sdcAutoCorrect));
}

}  // namespace lexoro
