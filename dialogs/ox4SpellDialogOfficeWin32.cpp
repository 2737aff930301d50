#include "lexoro/dialogs/ox4SpellDialogOfficeWin32.h"

#include <algorithm>

#include "lexoro/dialogs/ox3SpellWin32.h"

namespace lexoro {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kRowPitch = 31;
constexpr int kButtonHeight = 25;
constexpr int kMinClientWidth = 387;
constexpr int kMinClientHeight = 266;
constexpr int kMinRichEditWidth = 267;
constexpr int kRichEditHeight = 81;
// A longer line shows only the word.
constexpr std::size_t kMaxContextLength = 200;

// Without trailing blanks and control characters.
std::u16string RightTrimmed(std::u16string Text) {
  while (!Text.empty() && Text.back() <= u' ') Text.pop_back();
  return Text;
}

// Whether the first letter of Text that has a direction is written right to left (Hebrew,
// Arabic and their presentation forms).
bool StartsRightToLeft(const std::u16string& Text) {
  for (char16_t ch : Text) {
    if ((ch >= 0x0590 && ch <= 0x08FF) || (ch >= 0xFB1D && ch <= 0xFDFF) || (ch >= 0xFE70 && ch <= 0xFEFF)) return true;
    if ((ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') || (ch >= 0x00C0 && ch < 0x0590)) return false;
  }
  return false;
}

// The Length characters of Text from Start equal Word (false when they lie outside Text).
bool WordAt(const std::u16string& Text, std::size_t Start, const std::u16string& Word) {
  return Start <= Text.size() && Text.size() - Start >= Word.size() && Text.compare(Start, Word.size(), Word) == 0;
}

}  // namespace

TSpellDialogV4::TSpellDialogV4(TComponent* AOwner) : TCustomSpellDialog(AOwner) {
  SetName(u"SpellDialogV4");
  // Created in tab order.
  NotFoundRichEdit = Make<TRichEdit>(this, u"NotFoundRichEdit");
  // The line comes from the document: its own direction, whatever the interface's.
  NotFoundRichEdit->SetParentBiDiMode(false);
  NotFoundRichEdit->SetWantReturns(false);
  NotFoundRichEdit->SetHideSelection(false);
  IgnoreButton = Make<TButton>(this, u"IgnoreButton");
  IgnoreAllButton = Make<TButton>(this, u"IgnoreAllButton");
  AddButton = Make<TButton>(this, u"AddButton");
  SuggestionsListbox = Make<TListBox>(this, u"SuggestionsListbox");
  ChangeButton = Make<TButton>(this, u"ChangeButton");
  ChangeAllButton = Make<TButton>(this, u"ChangeAllButton");
  AutoCorrectButton = Make<TButton>(this, u"AutoCorrectButton");
  OptionsButton = Make<TButton>(this, u"OptionsButton");
  UndoButton = Make<TButton>(this, u"UndoButton");
  HelpButton = Make<TButton>(this, u"HelpButton");
  CancelButton = Make<TButton>(this, u"CancelButton");
  NotFoundText = MakeLabel(this, u"NotFoundText", NotFoundRichEdit);
  SuggestionsText = MakeLabel(this, u"SuggestionsText", SuggestionsListbox);
  ControlsMade(kMinClientWidth, kMinClientHeight);
  NotFoundRichEdit->OnChange = [this](TObject* Sender) { NotFoundRichEditChange(Sender); };

  IgnoreButton->OnClick = [this](TObject*) {
    if (FRepeatedMode) DialogControl().DialogIgnoreRepeated();
    else if (FWordMode) DialogControl().DialogIgnore();
    else ShowContext();  // undoes the edit
  };
  ChangeButton->OnClick = [this](TObject*) { ChangeButtonClick(); };
  ChangeAllButton->OnClick = [this](TObject*) {
    std::u16string suggestion;
    if (SelectedSuggestion(suggestion)) DialogControl().DialogChangeAll(suggestion);
    else if (FEditState == 1) DialogControl().DialogChangeAll(FEditedText);
  };
  AutoCorrectButton->OnClick = [this](TObject*) {
    std::u16string suggestion;
    if (SelectedSuggestion(suggestion)) DialogControl().DialogAutoCorrect(suggestion);
    else if (FEditState == 1) DialogControl().DialogAutoCorrect(FEditedText);
  };
  OptionsButton->OnClick = [this](TObject*) {
    DialogControl().ShowConfigDialog();
    DialogControlPromptWord(this, FWord, FRepeatedMode);
  };
  SuggestionsListbox->OnDblClick = [this](TObject*) {
    if (Enabled(sdcChange)) ChangeButtonClick();
  };
}

void TSpellDialogV4::Arrange() {
  TConfigurationDialogCtrl& c = DialogControl();
  // The ignore button shows one of two captions: the longer decides.
  const std::u16string ignoreCaption = IgnoreButton->Caption();
  IgnoreButton->SetCaption(c.GetString(lsDlgUndoEdit));
  const int undoEditWidth = IgnoreButton->CaptionWidth();
  IgnoreButton->SetCaption(ignoreCaption);
  const int columnWidth = std::max(
      undoEditWidth,
      CaptionWidthOf({IgnoreButton, IgnoreAllButton, AddButton, ChangeButton, ChangeAllButton, AutoCorrectButton}, 96));
  const int bottomWidth = CaptionWidthOf({OptionsButton, UndoButton, HelpButton, CancelButton}, 75);
  const int clientWidth = std::max({kMinClientWidth, kMargin + kMinRichEditWidth + kMargin + columnWidth + kMargin,
                                    kMargin + 4 * bottomWidth + 4 * kGap + kMargin});
  const int richWidth = clientWidth - 3 * kMargin - columnWidth;
  const int column = kMargin + richWidth + kMargin;
  const int line = NotFoundText->Font().LineHeight();

  NotFoundText->SetBounds(kMargin, kMargin, NotFoundText->Width(), NotFoundText->Height());
  const int richTop = kMargin + line + 3;
  NotFoundRichEdit->SetBounds(kMargin, richTop, richWidth, kRichEditHeight);
  IgnoreButton->SetBounds(column, richTop, columnWidth, kButtonHeight);
  IgnoreAllButton->SetBounds(column, richTop + kRowPitch, columnWidth, kButtonHeight);
  AddButton->SetBounds(column, richTop + 2 * kRowPitch, columnWidth, kButtonHeight);

  const int suggestionsTop = richTop + kRichEditHeight + kMargin;
  SuggestionsText->SetBounds(kMargin, suggestionsTop, SuggestionsText->Width(), SuggestionsText->Height());
  const int listTop = suggestionsTop + line + 3;
  ChangeButton->SetBounds(column, listTop, columnWidth, kButtonHeight);
  ChangeAllButton->SetBounds(column, listTop + kRowPitch, columnWidth, kButtonHeight);
  AutoCorrectButton->SetBounds(column, listTop + 2 * kRowPitch, columnWidth, kButtonHeight);

  const int clientHeight = std::max(kMinClientHeight, listTop + 3 * kRowPitch + kMargin + kButtonHeight + kMargin);
  const int bottom = clientHeight - kMargin - kButtonHeight;
  SuggestionsListbox->SetBounds(kMargin, listTop, richWidth, bottom - kMargin - listTop);
  OptionsButton->SetBounds(kMargin, bottom, bottomWidth, kButtonHeight);
  UndoButton->SetBounds(kMargin + bottomWidth + kGap, bottom, bottomWidth, kButtonHeight);
  CancelButton->SetBounds(clientWidth - kMargin - bottomWidth, bottom, bottomWidth, kButtonHeight);
  HelpButton->SetBounds(clientWidth - kMargin - 2 * bottomWidth - kGap, bottom, bottomWidth, kButtonHeight);
  SetClientWidth(clientWidth);
  SetClientHeight(clientHeight);
}

void TSpellDialogV4::DialogControlConfigurationAvailable(TObject*) {
  TConfigurationDialogCtrl& c = DialogControl();
  BeginConfiguration();
  IgnoreButton->SetCaption(c.GetString(lsDlgIgnoreOnce));
  AddButton->SetCaption(c.GetString(lsDlgAddToDictionary));
  Arrange();
  ApplyCommandVisibility();
}

void TSpellDialogV4::SetButtonsEnabled(bool Active) {
  const bool custom = CustomDictionaryPresent();
  NotFoundRichEdit->SetEnabled(Active && !FRepeatedMode);
  UndoButton->SetEnabled(Active && DialogControl().CanUndo() && Enabled(sdcUndo));
  OptionsButton->SetEnabled(Active && Enabled(sdcOptions));
  // A list that only says there are no suggestions offers nothing to take.
  const bool list = Active && FWordMode && FHasSuggestions;
  SuggestionsListbox->SetEnabled(list);
  if (list && SuggestionsListbox->Count() > 0 && SuggestionsListbox->ItemIndex() < 0) SuggestionsListbox->SetItemIndex(0);
  if (!list) SuggestionsListbox->SetItemIndex(-1);
  IgnoreAllButton->SetEnabled(Active && Enabled(sdcIgnoreAll) && !FRepeatedMode && FWordMode);
  IgnoreButton->SetEnabled(Active && Enabled(sdcIgnore));
  ChangeAllButton->SetEnabled(Active && !FRepeatedMode && Enabled(sdcChangeAll) && FEditState != 2);
  ChangeButton->SetEnabled(Active && Enabled(sdcChange));
  AddButton->SetEnabled(Active && custom && Enabled(sdcAdd) && !FRepeatedMode && FWordMode);
  AutoCorrectButton->SetEnabled(Active && custom && Enabled(sdcAutoCorrect) && !FRepeatedMode && FEditState != 2);
}

void TSpellDialogV4::ShowContext() {
  FUpdating = true;
  struct TDone {
    bool& Flag;
    ~TDone() { Flag = false; }
  } done{FUpdating};
  SetWordMode(true);
  NotFoundRichEdit->SetText(std::u16string());

  std::u16string line;
  std::int32_t x = 0, y = 0;
  TLexoroSpellBase* component = DialogControl().Component();
  if (TControlParser* parser = component ? component->Parser() : nullptr) {
    parser->GetPosition(x, y);
    parser->GetLine(line);
  }
  FContextLine = RightTrimmed(line);
  const std::size_t length = FWord.size();
  std::size_t column = x > 0 ? static_cast<std::size_t>(x) : 0;
  if (!WordAt(FContextLine, column, FWord)) {
    const std::size_t found = FContextLine.find(FWord);
    if (column > 0 && WordAt(FContextLine, column - 1, FWord)) {
      column -= 1;
    } else if (found != std::u16string::npos && FContextLine.find(FWord, found + 1) == std::u16string::npos) {
      column = found;
    } else {
      // Not found, or found more than once away from the parser's column: the word alone.
      FContextLine = FWord;
      column = 0;
    }
  }
  if (FContextLine.size() > kMaxContextLength) {
    FContextLine = FWord;
    column = 0;
  }
  FPrefix = FContextLine.substr(0, column);
  FSuffix = FContextLine.substr(column + length);

  NotFoundRichEdit->SetText(FContextLine);
  NotFoundRichEdit->SetParagraphRightToLeft(StartsRightToLeft(FContextLine));
  TColor color = clRed;
  TFontStyles style{fsBold};
  if (auto* dialogs = dynamic_cast<TLexoroSpellDialogs*>(component)) {
    color = dialogs->DialogMisspelledWordColor();
    style = dialogs->DialogMisspelledWordStyle();
  }
  NotFoundRichEdit->SetTextAttributes(0, static_cast<int>(FContextLine.size()), NotFoundRichEdit->Font().Color(),
                                      NotFoundRichEdit->Font().Style());
  NotFoundRichEdit->SetTextAttributes(static_cast<int>(column), static_cast<int>(length), color, style);
  const int end = static_cast<int>(column + length);
  NotFoundRichEdit->SetSelection(end, end);
}

void TSpellDialogV4::SetWordMode(bool On) {
  if (On == FWordMode) return;
  FWordMode = On;
  TConfigurationDialogCtrl& c = DialogControl();
  if (On) {
    FEditState = 0;
    NotFoundText->SetCaption(c.GetString(lsDlgNotFound));
    IgnoreButton->SetCaption(c.GetString(lsDlgIgnoreOnce));
  } else {
    NotFoundText->SetCaption(c.GetString(lsDlgReplaceWith));
    IgnoreButton->SetCaption(c.GetString(lsDlgUndoEdit));
  }
  SetButtonsEnabled(true);
}

void TSpellDialogV4::NotFoundRichEditChange(TObject*) {
  if (FUpdating) return;
  const std::u16string text = RightTrimmed(NotFoundRichEdit->Text());
  int state = 0;
  if (text != FContextLine) {
    const bool fits = text.size() >= FPrefix.size() + FSuffix.size();
    if (!fits || text.compare(0, FPrefix.size(), FPrefix) != 0 ||
        text.compare(text.size() - FSuffix.size(), FSuffix.size(), FSuffix) != 0) {
      state = 2;
      FEditedText = text;
    } else {
      state = 1;
      FEditedText = text.substr(FPrefix.size(), text.size() - FPrefix.size() - FSuffix.size());
    }
  }
  if (state == FEditState) return;
  FEditState = state;
  if (state != 0) {
    SetWordMode(false);
    SetButtonsEnabled(true);
    return;
  }
  // Edited back as it was: the word is marked again.
  int selStart = 0, selEnd = 0;
  NotFoundRichEdit->GetSelection(selStart, selEnd);
  ShowContext();
  NotFoundRichEdit->SetSelection(selStart, selEnd);
}

bool TSpellDialogV4::SelectedSuggestion(std::u16string& Suggestion) const {
  const int index = SuggestionsListbox->ItemIndex();
  if (!FWordMode || !FHasSuggestions || index < 0 || index >= SuggestionsListbox->Count()) return false;
  Suggestion = SuggestionsListbox->Items()[index];
  return true;
}

void TSpellDialogV4::ChangeButtonClick() {
  std::u16string suggestion;
  if (FRepeatedMode) DialogControl().DialogChangeRepeated();
  else if (SelectedSuggestion(suggestion)) DialogControl().DialogChange(suggestion);
  else if (FEditState == 1) DialogControl().DialogChange(FEditedText);
  else if (FEditState == 2) DialogControl().DialogChangeLine(FEditedText);
}

void TSpellDialogV4::FocusButton(TButton* Button) {
  if (Button->Visible() && Button->Enabled()) SetActiveControl(Button);
}

void TSpellDialogV4::DialogControlPromptWord(TObject*, const std::u16string& Word, bool Repeated) {
  TConfigurationDialogCtrl& c = DialogControl();
  FWord = Word;
  ShowContext();
  SuggestionsListbox->Clear();
  FHasSuggestions = false;
  if (Repeated != FRepeatedMode) {
    FRepeatedMode = Repeated;
    SetButtonsEnabled(true);
    NotFoundText->SetCaption(c.GetString(Repeated ? lsDlgRepeatedWord : lsDlgNotFound));
  }
  UndoButton->SetEnabled(c.CanUndo() && Enabled(sdcUndo));
  if (Repeated) {
    // The single word is the one suggestion.
    SuggestionsListbox->AddItem(Word.substr(0, Word.size() / 2));
    FHasSuggestions = true;
    SuggestionsListbox->SetEnabled(true);
    SuggestionsListbox->SetItemIndex(0);
    FocusButton(ChangeButton);
    return;
  }
  const bool custom = CustomDictionaryPresent();
  AddButton->SetEnabled(custom && Enabled(sdcAdd));
  TStringList suggestions;
  c.GetSuggestions(Word, suggestions);
  SuggestionsListbox->SetItems(suggestions);
  FHasSuggestions = suggestions.Count() > 0;
  SuggestionsListbox->SetEnabled(FHasSuggestions);
  ChangeButton->SetEnabled(FHasSuggestions && Enabled(sdcChange));
  ChangeAllButton->SetEnabled(FHasSuggestions && Enabled(sdcChangeAll));
  AutoCorrectButton->SetEnabled(FHasSuggestions && custom && Enabled(sdcAutoCorrect));
  if (FHasSuggestions) {
    SuggestionsListbox->SetItemIndex(0);
    FocusButton(ChangeButton);
  } else {
    SuggestionsListbox->AddItem(c.GetString(lsMnNoSuggestions));
    FocusButton(IgnoreButton);
  }
}

}  // namespace lexoro
