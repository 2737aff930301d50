#include "lexoro/dialogs/ox3ConfigurationDialogWin32.h"

#include <algorithm>

#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/engine/ox3Configuration.h"

namespace lexoro {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonHeight = 25;
constexpr int kMinClientWidth = 320;
constexpr int kMinClientHeight = 397;
constexpr int kBoxHeight = 16;
constexpr int kListHeight = 82;

// What a main dictionary item remembers: whether it was checked when last seen, to tell the
// user's change of its check box from the list's own notifications.
struct TDictionaryMark : TObject {
  bool WasChecked = false;
};

TDictionaryMark* MarkOf(const TListItem* Item) { return Item ? dynamic_cast<TDictionaryMark*>(Item->Data()) : nullptr; }

}  // namespace

TSpellCheckConfigDialog::TSpellCheckConfigDialog(TComponent* AOwner) : TLexoroDialogForm(AOwner) {
  SetName(u"SpellCheckConfigDialog");
  SetPosition(TPosition::poOwnerFormCenter);
  OptionsGroup = Make<TGroupBox>(this, u"OptionsGroup");
  for (std::size_t i = 0; i < Options.size(); ++i) {
    Options[i] = Make<TCheckBox>(OptionsGroup, u"");
    std::u16string boxName = u"Option";
    for (char c : std::to_string(i + 1)) boxName.push_back(static_cast<char16_t>(c));
    Options[i]->SetName(boxName);
    Options[i]->OnClick = [this](TObject* Sender) { OptionsClick(Sender); };
  }
  DictionariesGroup = Make<TGroupBox>(this, u"DictionariesGroup");
  MainDictionaries = Make<TListView>(DictionariesGroup, u"MainDictionaries");
  MainDictionaries->SetCheckboxes(true);
  MainDictionaries->SetReadOnly(true);
  MainDictionaries->SetHideSelection(false);
  MainDictionaries->SetRowSelect(true);
  MainDictionaries->AddColumn(u"", 120);
  MainDictionaries->AddColumn(u"", 100);
  CustomCombo = Make<TComboBox>(DictionariesGroup, u"CustomCombo");
  CustomCombo->SetStyle(TComboBoxStyle::csDropDownList);
  DictionariesButton = Make<TButton>(DictionariesGroup, u"DictionariesButton");
  CustomLabel = MakeLabel(DictionariesGroup, u"CustomLabel", CustomCombo);
  ResetButton = Make<TButton>(this, u"ResetButton");
  HelpButton = Make<TButton>(this, u"HelpButton");
  OK = Make<TButton>(this, u"OK");
  OK->SetDefault(true);
  OK->SetModalResult(mrOk);
  SetClientWidth(kMinClientWidth);
  SetClientHeight(kMinClientHeight);

  DialogControl().OnConfigurationAvailable = [this](TObject* Sender) { DialogControlConfigurationAvailable(Sender); };
  MainDictionaries->OnChange = [this](TObject*, TListItem* Item, TItemChange Change) {
    if (Change == TItemChange::ctState) MainDictionariesChange(Item);
  };
  MainDictionaries->OnClick = [this](TObject*) { MainDictionariesClick(); };
  MainDictionaries->OnSelectItem = [](TObject*, TListItem* Item, bool Selected) {
    if (Selected) Item->SetFocused(false);
  };
  CustomCombo->OnChange = [this](TObject*) {
    TLexoroConfig* config = DialogControl().Configuration();
    const int index = CustomCombo->ItemIndex();
    if (config && index >= 0) config->SetActiveCustom(CustomCombo->Items()[index]);
  };
  DictionariesButton->OnClick = [this](TObject*) {
    DialogControl().ShowCustomDictionariesDialog();
    FillCustomCombo();
  };
  ResetButton->OnClick = [this](TObject*) {
    if (TLexoroConfig* config = DialogControl().Configuration()) config->ResetToDefaults();
    FillMainDictionaryList();
    FillCustomCombo();
    FillOptionBoxes();
  };
  HelpButton->OnClick = [this](TObject*) { DialogControl().ShowHelp(DialogControl().HelpCtxConfigDialog()); };
}

void TSpellCheckConfigDialog::Arrange() {
  int boxWidth = 0;
  for (TCheckBox* box : Options) boxWidth = std::max(boxWidth, box->CaptionWidth());
  const int buttonWidth = CaptionWidthOf({ResetButton, HelpButton, OK}, 75);
  const int dictionariesButtonWidth = CaptionWidthOf({DictionariesButton}, 88);
  const int clientWidth = std::max({kMinClientWidth, kMargin + 10 + boxWidth + 10 + kMargin,
                                    kMargin + OptionsGroup->CaptionWidth() + kMargin,
                                    kMargin + DictionariesGroup->CaptionWidth() + kMargin,
                                    kMargin + 10 + CustomLabel->CaptionWidth() + 10 + kMargin,
                                    kMargin + 10 + 120 + kGap + dictionariesButtonWidth + 10 + kMargin,
                                    kMargin + 3 * buttonWidth + 2 * kGap + 20 + kMargin});
  const int groupWidth = clientWidth - 2 * kMargin;
  const int line = OptionsGroup->Font().LineHeight();

  const int boxesTop = line + 4;
  for (std::size_t i = 0; i < Options.size(); ++i)
    Options[i]->SetBounds(10, boxesTop + static_cast<int>(i) * kBoxHeight, groupWidth - 20, kBoxHeight);
  FOptionPitch = Options[1]->Top() - Options[0]->Top();
  OptionsGroup->SetBounds(kMargin, kMargin, groupWidth, boxesTop + 10 * kBoxHeight + 8);

  const int bottom = kMinClientHeight - kMargin - kButtonHeight;
  const int groupTop = OptionsGroup->Top() + OptionsGroup->Height() + kMargin;
  DictionariesGroup->SetBounds(kMargin, groupTop, groupWidth, bottom - kMargin - groupTop);
  const int inner = groupWidth - 20;
  MainDictionaries->SetBounds(10, line + 4, inner, kListHeight);
  const int labelTop = MainDictionaries->Top() + kListHeight + kMargin;
  CustomLabel->SetBounds(10, labelTop, CustomLabel->Width(), CustomLabel->Height());
  const int comboTop = labelTop + line + 3;
  DictionariesButton->SetBounds(10 + inner - dictionariesButtonWidth, comboTop - 2, dictionariesButtonWidth, kButtonHeight);
  CustomCombo->SetBounds(10, comboTop, inner - dictionariesButtonWidth - kGap, 21);

  ResetButton->SetBounds(kMargin, bottom, buttonWidth, kButtonHeight);
  OK->SetBounds(clientWidth - kMargin - buttonWidth, bottom, buttonWidth, kButtonHeight);
  HelpButton->SetBounds(OK->Left() - kGap - buttonWidth, bottom, buttonWidth, kButtonHeight);
  SetClientWidth(clientWidth);
  SetClientHeight(kMinClientHeight);

  // While the form loses the rows of unused option boxes, the options group gives up the room
  // and everything below it moves up.
  OptionsGroup->SetAnchors({akLeft, akTop, akRight, akBottom});
  DictionariesGroup->SetAnchors({akLeft, akRight, akBottom});
  ResetButton->SetAnchors({akLeft, akBottom});
  HelpButton->SetAnchors({akRight, akBottom});
  OK->SetAnchors({akRight, akBottom});
}

void TSpellCheckConfigDialog::DialogControlConfigurationAvailable(TObject*) {
  TConfigurationDialogCtrl& c = DialogControl();
  ApplyLanguageDirection();
  SetCaption(c.GetString(lsSpellingOptions));
  OptionsGroup->SetCaption(c.GetString(lsDlgOptionsLabel));
  DictionariesGroup->SetCaption(c.GetString(lsDlgDictionariesLabel));
  MainDictionaries->SetColumnCaption(0, c.GetString(lsDlgName));
  MainDictionaries->SetColumnCaption(1, c.GetString(lsDlgFilename));
  CustomLabel->SetCaption(c.GetString(lsDlgCustomDictionary));
  DictionariesButton->SetCaption(c.GetString(lsDlgDictionaries));
  HelpButton->SetCaption(c.GetString(lsDlgHelp));
  ResetButton->SetCaption(c.GetString(lsDlgResetDefaults));
  OK->SetCaption(c.GetString(lsDlgOK));
  // The boxes' captions decide the width, so they come before the layout.
  const int leftOver = FillOptionBoxes();
  Arrange();

  DictionariesButton->SetVisible(c.CommandVisible(sdcCustomDictionaries));
  CustomCombo->SetVisible(c.CommandVisible(sdcCustomDictionary));
  CustomLabel->SetVisible(CustomCombo->Visible());
  ResetButton->SetVisible(c.CommandVisible(sdcResetDefaults));
  OK->SetVisible(c.CommandVisible(sdcConfigOK));
  HelpButton->SetVisible(c.CommandVisible(sdcHelp) && c.HelpCtxConfigDialog() != 0);
  DictionariesButton->SetEnabled(c.CommandEnabled(sdcCustomDictionaries));
  CustomCombo->SetEnabled(c.CommandEnabled(sdcCustomDictionary));
  ResetButton->SetEnabled(c.CommandEnabled(sdcResetDefaults));
  OK->SetEnabled(c.CommandEnabled(sdcConfigOK));
  HelpButton->SetEnabled(c.CommandEnabled(sdcHelp));

  if (!DictionariesButton->Visible() && !CustomCombo->Visible()) {
    const int bottom = DictionariesButton->Top() + DictionariesButton->Height();
    MainDictionaries->SetHeight(bottom - MainDictionaries->Top());
  }
  if (!OK->Visible() && !HelpButton->Visible())
    DictionariesGroup->SetHeight(OK->Top() + OK->Height() - DictionariesGroup->Top());

  FillMainDictionaryList();
  FillCustomCombo();
  SetClientHeight(ClientHeight() - leftOver * FOptionPitch);
  OptionsGroup->SetAnchors({akLeft, akTop, akRight});
  DictionariesGroup->SetAnchors({akLeft, akTop, akRight, akBottom});
}

int TSpellCheckConfigDialog::FillOptionBoxes() {
  TConfigurationDialogCtrl& c = DialogControl();
  const TSpellOptions available = c.AvailableOptions();
  const TSpellOptions current = c.Configuration() ? c.Configuration()->GetOptions() : TSpellOptions();
  std::size_t next = 0;
  for (int option = 0; option <= soUser4 && next < Options.size(); ++option) {
    const auto o = static_cast<TSpellOption>(option);
    if (!available.Contains(o)) continue;
    TCheckBox* box = Options[next++];
    box->SetTag(option);
    box->SetCaption(c.GetOptionCaption(o));
    box->SetChecked(current.Contains(o));
    box->SetVisible(true);
  }
  for (std::size_t i = next; i < Options.size(); ++i) Options[i]->SetVisible(false);
  return static_cast<int>(Options.size() - next);
}

void TSpellCheckConfigDialog::OptionsClick(TObject* Sender) {
  auto* box = dynamic_cast<TCheckBox*>(Sender);
  TLexoroConfig* config = DialogControl().Configuration();
  if (!box || !config) return;
  const auto option = static_cast<TSpellOption>(box->Tag());
  TSpellOptions options = config->GetOptions();
  if (box->Checked() == options.Contains(option)) return;
  options.Set(option, box->Checked());
  config->SetOptions(options);
}

void TSpellCheckConfigDialog::FillMainDictionaryList() {
  TConfigurationDialogCtrl& c = DialogControl();
  const TStringList* files = c.MainDictionaryFiles();
  if (!files) return;
  MainDictionaries->BeginUpdate();
  MainDictionaries->Clear();
  const TStringList active = c.Configuration() ? c.Configuration()->GetMainDictionaries() : TStringList();
  for (const auto& file : files->Items()) {
    const auto dictionary = c.OpenMainDictionary(file);
    TListItem* item = MainDictionaries->AddItem(dictionary ? dictionary->Title() : std::u16string(u"???"));
    item->SetSubItem(0, file);
    auto mark = std::make_unique<TDictionaryMark>();
    mark->WasChecked = active.IndexOf(file) >= 0;
    item->SetChecked(mark->WasChecked);
    item->SetData(std::move(mark));
  }
  if (c.CommandVisible(sdcMainDictFolderBrowse)) {
    TListItem* item = MainDictionaries->AddItem(c.GetString(lsDlgBrowseForMain));
    item->SetSubItem(0, std::u16string());
    item->SetData(std::make_unique<TDictionaryMark>());
  }
  MainDictionaries->EndUpdate();
  // The names are shown whole where the list leaves room for the file names.
  int nameWidth = 120;
  for (int i = 0; i < MainDictionaries->Count(); ++i)
    nameWidth = std::max<int>(nameWidth, MainDictionaries->Font().TextExtent(MainDictionaries->Item(i)->Caption()).cx +
                                             GetSystemMetrics(SM_CXSMICON) + 16);
  MainDictionaries->SetColumnWidth(0, std::min(nameWidth, MainDictionaries->Width() * 3 / 5));
  FitColumns();
}

void TSpellCheckConfigDialog::FitColumns() {
  int width = MainDictionaries->Width() - MainDictionaries->ColumnWidth(0) - 4;
  if (MainDictionaries->Count() > 4) width -= GetSystemMetrics(SM_CXVSCROLL);
  MainDictionaries->SetColumnWidth(1, std::max(0, width));
}

bool TSpellCheckConfigDialog::IsLocateEntry(const TListItem* Item) const {
  return DialogControl().CommandVisible(sdcMainDictFolderBrowse) && Item &&
         Item->Index() == MainDictionaries->Count() - 1;
}

void TSpellCheckConfigDialog::MainDictionariesChange(TListItem* Item) {
  TDictionaryMark* mark = MarkOf(Item);
  if (!mark || Item->Checked() == mark->WasChecked) return;
  if (IsLocateEntry(Item)) {
    if (!Item->Checked()) return;
    Item->SetChecked(false);
    // Not inside the list's notification: the browser runs a loop of its own, and the list is
    // filled anew afterwards.
    PostCall([this] {
      DialogControl().ShowAddDictionaryDir();
      FillMainDictionaryList();
    });
    return;
  }
  mark->WasChecked = Item->Checked();
  TLexoroConfig* config = DialogControl().Configuration();
  if (!config || Item->SubItems().empty()) return;
  TStringList& active = config->GetMainDictionaries();
  const std::u16string& file = Item->SubItems()[0];
  const int index = active.IndexOf(file);
  if (mark->WasChecked && index < 0) active.Add(file);
  else if (!mark->WasChecked && index >= 0) active.Delete(index);
}

void TSpellCheckConfigDialog::MainDictionariesClick() {
  POINT point = CursorPos();
  ScreenToClient(MainDictionaries->Handle(), &point);
  TListItem* item = MainDictionaries->GetItemAt(point.x, point.y);
  if (!item) return;
  // A click on the name toggles the dictionary as a click on its box does.
  if (point.x >= item->DisplayRect(TDisplayCode::drLabel).left) item->SetChecked(!item->Checked());
}

void TSpellCheckConfigDialog::FillCustomCombo() {
  TConfigurationDialogCtrl& c = DialogControl();
  const TStringList* files = c.CustomDictionaryFiles();
  if (!files) return;
  CustomCombo->Clear();
  for (const auto& file : files->Items()) CustomCombo->AddItem(file);
  const std::u16string chosen = c.Configuration() ? c.Configuration()->GetActiveCustom() : std::u16string();
  if (chosen.empty()) return;
  for (int i = 0; i < CustomCombo->Count(); ++i)
    if (CustomCombo->Items()[i] == chosen) CustomCombo->SetItemIndex(i);
}

void TSpellCheckConfigDialog::DoShow() {
  FitColumns();
  TLexoroDialogForm::DoShow();
}

}  // namespace lexoro
