// TLexoroSpellBase: the check driver. It walks a parser's words with the parsing engine,
// classifies each one, applies automatic corrections in place and stops at every word that
// needs the user; the dialog commands answer and the walk goes on. Checks of controls and
// windows and everything that touches a dialog form are in ox3SpellBaseCheckWin32.cpp.
#include <algorithm>
#include <chrono>
#include <string>

#include "lexoro/languages/ox3SpellLanguages.h"
#include "lexoro/engine/ox3Configuration.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/framework/ox3Application.h"
#include "lexoro/parsing/ox3StringParser.h"

namespace lexoro {

namespace {

// Raises the busy counter for the life of a nested loop, also when it throws.
class TBusyGuard {
 public:
  explicit TBusyGuard(TLexoroSpellBase& Spell) : FSpell(Spell) { FSpell.IncBusy(); }
  ~TBusyGuard() { FSpell.DecBusy(); }
  TBusyGuard(const TBusyGuard&) = delete;
  TBusyGuard& operator=(const TBusyGuard&) = delete;

 private:
  TLexoroSpellBase& FSpell;
};

// Scanning longer than this shows the hourglass.
constexpr auto kHourglassDelay = std::chrono::milliseconds(1000);

std::int32_t Length(const std::u16string& S) {
  return static_cast<std::int32_t>(std::min<std::size_t>(S.size(), kBeyondEnd));
}

std::u16string Decimal(std::int32_t Value) {
  const std::string digits = std::to_string(Value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

// ---- Starting and ending a check ------------------------------------------------------------

void TLexoroSpellBase::CheckString(std::u16string& Text) {
  auto parser = std::make_unique<TStringParser>();
  parser->Initialize(Text);
  CheckParser(std::move(parser), ckEntireText);
}

void TLexoroSpellBase::FreeParser() {
  FParser = nullptr;
  FOwnedParser.reset();
}

void TLexoroSpellBase::AbandonCheck(std::uint32_t Serial) {
  if (!FChecking || FCheckSerial != Serial) return;
  SetHourglass(false);
  FPrompting = false;
  FContinuePending = false;
  FreeParser();
  FUndoList.clear();
  FChecking = false;
}

void TLexoroSpellBase::CheckParser(std::unique_ptr<TControlParser> Parser, TCheckMode Mode) {
  if (!Parser) return;
  TControlParser& parser = *Parser;
  RunCheck(parser, std::move(Parser), Mode);
}

void TLexoroSpellBase::CheckParser(TControlParser& Parser, TCheckMode Mode) { RunCheck(Parser, nullptr, Mode); }

void TLexoroSpellBase::RunCheck(TControlParser& Parser, std::unique_ptr<TControlParser> Owned, TCheckMode Mode) {
  // One check at a time; and after a cancel every further check of the sequence is skipped.
  // A request dropped here frees an owned parser on return.
  if (FChecking || (FSequenceDepth > 0 && FCancelled)) return;
  if (Mode == ckWrapAround) {
    // Synchronous from start to end: an owned parser lives until it returns.
    CheckWrapAround(Parser);
    return;
  }
  FChangeAnnounced = false;
  FChecking = true;
  FCancelled = false;
  const std::uint32_t serial = ++FCheckSerial;
  FPrompting = false;
  FContinuePending = false;
  FParser = &Parser;
  FOwnedParser = std::move(Owned);
  try {
    EnsureConfigLoaded();
    Parser.GetCursorPosition(FStartX, FStartY);
    FLastWord.clear();
    FRepeatedMode = false;
    FParsingEngine->PositionParser(&Parser, Mode);
    ClearUndo();
    if (FSequenceDepth == 0) {
      FWordsChecked = 0;
      FReorderCountdown = 100;
    }
    if (FDialogShowImmediate) ShowDialog();
    ReorderMainDictionaries();
    // With a modal dialog shown at once, its first showing starts the walk.
    if (FChecking && FCheckSerial == serial && !(FDialogShowImmediate && FDialogShowModal)) ContinueCheck();
    TBusyGuard busy(*this);
    while (FSynchronousCheck && FChecking && FCheckSerial == serial) {
      if (Application().Terminated() || !Application().HandleMessage()) break;
    }
  } catch (...) {
    // A handler's exception reaches the caller; the component must not stay "checking" with a
    // parser that may be gone, or every later check would be dropped.
    AbandonCheck(serial);
    throw;
  }
}

void TLexoroSpellBase::SetHourglass(bool On) {
  if (FHourglass == On) return;
  FHourglass = On;
  Application().SetCursor(On ? TCursor::crHourGlass : TCursor::crDefault);
}

void TLexoroSpellBase::ContinueCheck() {
  if (!FChecking || !FParser) return;
  if (FPrompting) {
    // Answered from inside PromptWord: the loop below goes on when the prompt returns.
    FContinuePending = true;
    return;
  }
  const std::uint32_t serial = FCheckSerial;
  const auto alive = [&] { return FChecking && FCheckSerial == serial && FParser; };
  auto started = std::chrono::steady_clock::now();
  std::u16string word, replacement;
  for (;;) {
    FParsingEngine->GetNextWord(FParser, word);
    if (word.empty()) {
      SetHourglass(false);
      FinishCheck();
      return;
    }
    ++FWordsChecked;
    CountCheckedWord();
    replacement.clear();
    // The word is current while it is classified: OnWordCheck may ask for it.
    FCurrentWord = word;
    const TWordCheckType type = ClassifyWord(CheckedControl(), word, FParser, FLastWord, replacement);
    if (!alive()) return;
    if (type == wcCorrected) {
      FParser->SelectWord(Length(FCurrentWord));
      AddUndo(saChange, replacement, false, true);
      ApplyReplacement(replacement, rsAutoCorrect);
      if (!alive()) return;
    }
    if (FUseHourglassCursor && !FHourglass && std::chrono::steady_clock::now() - started > kHourglassDelay)
      SetHourglass(true);
    if (type == wcAccepted || type == wcCorrected) continue;

    SetHourglass(false);
    FRepeatedMode = type == wcRepeated;
    if (FRepeatedMode) FCurrentWord = word + u" " + word;
    FParser->SelectWord(Length(FCurrentWord));
    FParser->CenterSelection();
    ShowDialog();
    if (!alive()) return;
    FContinuePending = false;
    FPrompting = true;
    try {
      PromptWord();
    } catch (...) {
      FPrompting = false;
      throw;
    }
    FPrompting = false;
    if (!alive() || !FContinuePending) return;
    FContinuePending = false;
    started = std::chrono::steady_clock::now();
  }
}

void TLexoroSpellBase::FinishCheck() {
  if (!FChecking || FFinishing) return;
  FPrompting = false;
  FContinuePending = false;
  {
    struct TFinishing {
      bool& Flag;
      ~TFinishing() { Flag = false; }
    } finishing{FFinishing = true};
    if (OnCompleteCheck) OnCompleteCheck(this);
    ShowEndMessage();
  }
  if (!FCancelled && FParser) {
    switch (FEndCursorPosition) {
      case epHome: FParser->SetPosition(0, 0, spCursor); break;
      case epOriginal: FParser->SetPosition(FStartX, FStartY, spCursor); break;
      case epNoModify: break;
    }
    FParser->SelectWord(0);
  }
  FreeParser();
  HideDialog();
  ClearUndo();
  FChecking = false;
  ReleaseDictionaries();
}

void TLexoroSpellBase::StopCheck(bool Cancelled) {
  if (!FChecking || FFinishing) return;
  FCancelled = Cancelled;
  FinishCheck();
}

void TLexoroSpellBase::ResumeCheck() {
  if (!FChecking || !FParser) return;
  ClearUndo();
  // The prompted word is selected, so the parser stands at its start.
  std::int32_t px = 0, py = 0, cx = 0, cy = 0;
  FParser->GetPosition(px, py);
  px = std::max<std::int32_t>(0, px);
  FParser->GetCursorPosition(cx, cy);
  std::int32_t x = cx, y = cy;
  if (FResumeFromLastPosition && !(cy < py || (cy == py && cx < px))) {
    x = px;
    y = py;
  }
  FParsingEngine->SeekWordStart(FParser, x, y);
  ContinueCheck();
}

// ---- Sequences and wrap-around --------------------------------------------------------------

void TLexoroSpellBase::StartSequence() {
  FWordsChecked = 0;
  FReorderCountdown = 100;
  FCancelled = false;
  if (++FSequenceDepth == 1) {
    FSavedCloseDialogAtEnd = FCloseDialogAtEnd;
    FSavedKeepDictionariesActive = FKeepDictionariesActive;
  }
  FCloseDialogAtEnd = false;
  FKeepDictionariesActive = true;
}

void TLexoroSpellBase::EndSequence() {
  if (FSequenceDepth == 0) return;
  if (--FSequenceDepth > 0) return;
  FCloseDialogAtEnd = true;
  ShowEndMessage();
  HideDialog();
  FCloseDialogAtEnd = FSavedCloseDialogAtEnd;
  SetKeepDictionariesActive(FSavedKeepDictionariesActive);
}

void TLexoroSpellBase::CheckWrapAround(TControlParser& Parser) {
  // Each part is a synchronous check of the same parser, which stays the caller's.
  const bool savedSynchronous = FSynchronousCheck;
  FSynchronousCheck = true;
  struct TRestore {
    TLexoroSpellBase& S;
    bool Synchronous;
    ~TRestore() { S.FSynchronousCheck = Synchronous; }
  } restore{*this, savedSynchronous};

  StartSequence();
  std::int32_t startX = 0, startY = 0, endX = 0, endY = 0;
  Parser.GetSelection(startX, startY, endX, endY);
  if (startX == endX && startY == endY) {
    // From the caret to the end, then from the top up to the caret.
    CheckParser(Parser, ckFromCursor);
    Parser.SetPosition(0, 0, spCursor);
    Parser.SetPosition(startX, startY, spEndBound);
    CheckParser(Parser, ckAsPositioned);
  } else {
    CheckParser(Parser, ckSelection);
    if (!FCancelled) {
      const int answer = Application().ShowMessageBox(GetString(lsEndSelectionMessage), GetString(lsSpelling),
                                                      mbYesNo | mbIconQuestion);
      if (answer == idYes) {
        Parser.SetPosition(endX, endY, spCursor);
        Parser.SetPosition(kBeyondEnd, kBeyondEnd, spEndBound);
        CheckParser(Parser, ckAsPositioned);
        Parser.SetPosition(0, 0, spCursor);
        Parser.SetPosition(startX, startY, spEndBound);
        CheckParser(Parser, ckAsPositioned);
      } else {
        FCancelled = true;
      }
    }
  }
  EndSequence();
}

// ---- Counting -------------------------------------------------------------------------------

void TLexoroSpellBase::ScanParser(TControlParser& Parser, TCheckMode Mode, std::int32_t& Words,
                                  std::int32_t& Errors, bool& HasErrors, bool StopAtFirst, bool CheckWords) {
  Words = 0;
  Errors = 0;
  HasErrors = false;
  if (Mode != ckSelection && Mode != ckEntireText) return;
  EnsureConfigLoaded();
  std::int32_t startX = 0, startY = 0;
  Parser.GetCursorPosition(startX, startY);
  TMainParsingEngine engine;
  if (auto* main = dynamic_cast<TMainParsingEngine*>(FParsingEngine.get())) {
    engine.SetWordCharacters(main->WordCharacters());
    engine.SetElisionMode(main->ElisionMode());
  }
  engine.SetCharacterHook(
      [this](char16_t Ch, TControlParser* P, bool& Handled) { RunCharacterHook(Ch, P, Handled); });
  engine.SetWordHook([this](const std::u16string& W, TControlParser* P, bool& Reject) { RunWordHook(W, P, Reject); });
  engine.PositionParser(&Parser, Mode);
  const auto started = std::chrono::steady_clock::now();
  const bool hourglassBefore = FHourglass;
  std::u16string word, previous;
  for (;;) {
    engine.GetNextWord(&Parser, word);
    if (word.empty()) break;
    ++Words;
    if (FUseHourglassCursor && !FHourglass && std::chrono::steady_clock::now() - started > kHourglassDelay)
      SetHourglass(true);
    if (CheckWords) {
      if (!WordAcceptable(word)) ++Errors;
      else if (FRepeated && word == previous && IsRepeatedWord(word, &Parser)) ++Errors;
      previous = word;
      if (StopAtFirst && Errors > 0) break;
    }
  }
  switch (FEndCursorPosition) {
    case epHome: Parser.SetPosition(0, 0, spCursor); break;
    case epOriginal: Parser.SetPosition(startX, startY, spCursor); break;
    case epNoModify: break;
  }
  Parser.SelectWord(0);
  SetHourglass(hourglassBefore);
  HasErrors = Errors > 0;
}

std::int32_t TLexoroSpellBase::CountWords(const std::u16string& Text) {
  std::u16string copy = Text;
  TStringParser parser;
  parser.Initialize(copy);
  return CountWordsParser(parser, ckEntireText);
}

std::int32_t TLexoroSpellBase::CountWordsParser(TControlParser& Parser, TCheckMode Mode) {
  std::int32_t words = 0, errors = 0;
  bool hasErrors = false;
  ScanParser(Parser, Mode, words, errors, hasErrors, false, false);
  return words;
}

// ---- The dialog -------------------------------------------------------------------------------

TObject* TLexoroSpellBase::CheckedControl() {
  TObject* control = ParserControl();
  return control ? control : this;
}

void TLexoroSpellBase::PromptWord() {
  ReorderMainDictionaries();
  DoPromptWord(CheckedControl(), FCurrentWord, FRepeatedMode);
}

void TLexoroSpellBase::ShowDialog() {
  if (FUIType == suiSilent) return;
  if (!FDialogController) {
    FDialogInactive = false;
    if (!FDialogForm) {
      DoCreateSpellDialog(this, FDialogForm, true);
      if (!FDialogForm) {
        FDialogForm = CreateSpellDialog();
        if (FDialogForm) DialogFormSetHelp();
      }
    }
    if (FDialogForm) FDialogController = ConnectDialog(FDialogForm, nullptr);
  }
  if (!FDialogShown) {
    FDialogShown = true;
    if (OnSpellDialogShow) OnSpellDialogShow(this);
    PositionDialog();
    if (FDialogForm) {
      DialogFormInstallHooks();
      if (!FDialogShowModal) DialogFormShow(false);
    }
  }
  AvoidSelection();
  if (FDialogForm && FDialogShowModal && !DialogFormShowingModal()) {
    TBusyGuard busy(*this);
    DialogFormShow(true);
  }
}

void TLexoroSpellBase::HideDialog() {
  if (!FDialogForm) {
    // Nothing to hide; the check (or the sequence) that showed "the dialog" is over.
    if (FCloseDialogAtEnd) FDialogShown = false;
    return;
  }
  if (FDialogInitialPos == ipLastUserPos) DialogFormStorePosition();
  if (!FCloseDialogAtEnd && !FDialogShowModal) return;
  FDialogShown = false;
  DialogFormRestoreHooks();
  DialogFormClose();
  if (OnSpellDialogHide) OnSpellDialogHide(this);
  FDialogController = nullptr;
  TForm* form = FDialogForm;
  DoCreateSpellDialog(this, form, false);
  if (form) DialogFormRelease();
  FDialogForm = nullptr;
}

void TLexoroSpellBase::CloseDialog() { HideDialog(); }

void TLexoroSpellBase::ShowEndMessage() {
  if (FUIType != suiDialog || FSequenceDepth > 0) return;
  bool show = false;
  switch (FEndMessage) {
    case emNever: show = false; break;
    case emAlways: show = true; break;
    case emExceptCancel: show = !FCancelled; break;
    case emNoDialog: show = !FDialogShown; break;
  }
  if (!show) return;
  if (FDialogForm && FCloseDialogAtEnd) DialogFormHideWindow();
  if (OnShowEndMessage) {
    OnShowEndMessage(this);
    return;
  }
  std::u16string text = GetString(lsEndMessage);
  if (FEndMessageWordCount) text += u"\r\n\r\n" + GetString(lsWordsChecked) + u" " + Decimal(FWordsChecked);
  Application().ShowMessageBox(text, GetString(lsSpelling), mbOK | mbIconInformation);
}

void TLexoroSpellBase::DialogShowHook(TObject* Sender) {
  if (DialogFormShowingModal()) {
    if (FDialogShowImmediate) ContinueCheck();
    else PromptWord();
  }
  if (FFormOnShow) FFormOnShow(Sender);
}

void TLexoroSpellBase::DialogDeactivateHook(TObject* Sender) {
  if (!FDialogInactive) {
    FDialogInactive = true;
    if (OnDialogDeactivate) OnDialogDeactivate(this);
  }
  if (FFormOnDeactivate) FFormOnDeactivate(Sender);
}

void TLexoroSpellBase::DialogActivateHook(TObject* Sender) {
  if (FFormOnActivate) FFormOnActivate(Sender);
  if (FDialogInactive) {
    FDialogInactive = false;
    if (OnDialogActivate) OnDialogActivate(this);
    ResumeCheck();
  }
}

void TLexoroSpellBase::PositionUnderSelection(bool Above, bool Force) {}
void TLexoroSpellBase::PositionAvoidControl() {}
void TLexoroSpellBase::PositionDialog() {
  if (OnPositionDialog) OnPositionDialog(this);
}
void TLexoroSpellBase::AvoidSelection() {}
TForm* TLexoroSpellBase::CreateSpellDialog() { return nullptr; }

// ---- Applying commands ----------------------------------------------------------------------

void TLexoroSpellBase::ApplyReplacement(const std::u16string& Text, TReplaceState State) {
  if (!FParser) return;
  if (!FChangeAnnounced) {
    FChangeAnnounced = true;
    BeforeChange(CheckedControl());
  }
  if (OnParserReplaceWord) OnParserReplaceWord(this, true, Text, State);
  if (!FParser) return;
  FParser->ReplaceWord(Text, State);
  if (OnParserReplaceWord) OnParserReplaceWord(this, false, Text, State);
}

void TLexoroSpellBase::ApplyIgnore(TIgnoreState State) {
  if (!FParser) return;
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, true, State);
  FIgnoreWordList.Before = true;
  FIgnoreWordList.State = State;
  FIgnoreWordList.Notify(this);
  if (!FParser) return;
  FParser->IgnoreWord(State);
  if (OnParserIgnoreWord) OnParserIgnoreWord(this, false, State);
  FIgnoreWordList.Before = false;
  FIgnoreWordList.State = State;
  FIgnoreWordList.Notify(this);
}

void TLexoroSpellBase::NotifyUndo(TUndoState UndoState, TSpellAction Action, TUndoData& UndoData) {
  if (OnParserUndoLast) OnParserUndoLast(this, UndoState, Action, UndoData);
  if (FParser) FParser->UndoLast(UndoState, Action, UndoData);
}

void TLexoroSpellBase::BeforeChange(TObject* Control) {
  if (OnBeforeChange) OnBeforeChange(Control);
}

// ---- Undo -----------------------------------------------------------------------------------

bool TLexoroSpellBase::CanUndo() { return !FUndoList.empty(); }
void TLexoroSpellBase::ClearUndo() { FUndoList.clear(); }

void TLexoroSpellBase::AddUndo(TSpellAction Action, const std::u16string& Replacement, bool Reposition,
                               bool Automatic) {
  // MaxUndo 0 keeps no record; values below -1 mean nothing and are taken as 0.
  if (!FParser || FMaxUndo == 0 || FMaxUndo < -1) return;
  auto record = std::make_unique<TLexoroUndo>();
  FParser->GetPosition(record->X, record->Y);
  record->Word = FCurrentWord;
  record->Replacement = Replacement;
  record->Action = Action;
  record->Automatic = Automatic;
  record->Reposition = Reposition;
  TLexoroUndo* added = record.get();
  FUndoList.push_back(std::move(record));
  TUndoData data;
  NotifyUndo(usCreated, Action, data);
  // The handler may have cleared the list meanwhile.
  if (!FUndoList.empty() && FUndoList.back().get() == added) added->UndoData = std::move(data);
  if (FMaxUndo > 0) {
    const auto keep = static_cast<std::size_t>(FMaxUndo);
    if (FUndoList.size() > keep)
      FUndoList.erase(FUndoList.begin(), FUndoList.begin() + static_cast<std::ptrdiff_t>(FUndoList.size() - keep));
  }
}

void TLexoroSpellBase::RestoreFoundWord(const TLexoroUndo& R, TReplaceState State) {
  FParser->SetPosition(R.X + Length(R.Replacement), R.Y, spCursor);
  FParser->SelectWord(Length(R.Replacement));
  ApplyReplacement(R.Word, State);
}

void TLexoroSpellBase::UndoRecord(std::unique_ptr<TLexoroUndo> Record) {
  TLexoroUndo& r = *Record;
  NotifyUndo(usBefore, r.Action, r.UndoData);
  if (!FParser) return;
  switch (r.Action) {
    case saIgnore:
      FParser->SetPosition(r.X, r.Y, spCursor);
      break;
    case saIgnoreAll:
      FInternalDictionary->RemoveWord(r.Word);
      FParser->SetPosition(r.X, r.Y, spCursor);
      break;
    case saChange:
      RestoreFoundWord(r, rsUndoChange);
      if (!FParser) return;
      if (r.Reposition) FParsingEngine->SeekWordStart(FParser, r.X, r.Y);
      else FParser->SetPosition(r.X, r.Y, spCursor);
      break;
    case saChangeAll:
      FInternalDictionary->RemoveAutoCorrect(r.Word);
      RestoreFoundWord(r, rsUndoChangeAll);
      if (!FParser) return;
      FParser->SetPosition(r.X, r.Y, spCursor);
      break;
    case saAdd:
      if (auto* active = ActiveCustomDictionary()) active->RemoveWord(r.Word);
      FParser->SetPosition(r.X, r.Y, spCursor);
      break;
    case saAutoCorrect:
      if (auto* active = ActiveCustomDictionary()) active->RemoveAutoCorrect(r.Word);
      FInternalDictionary->RemoveAutoCorrect(r.Word);
      RestoreFoundWord(r, rsUndoAutoCorrect);
      if (!FParser) return;
      FParser->SetPosition(r.X, r.Y, spCursor);
      break;
  }
  NotifyUndo(usAfter, r.Action, r.UndoData);
}

void TLexoroSpellBase::UndoLastAction() {
  if (FUndoList.empty() || !FParser) return;
  // One step takes back the newest user action together with the automatic corrections
  // made since the action before it: automatic records on top lead through to the user's
  // record, and those right below it (made before that action was prompted) go with it.
  // Every restored word is read again by the next ContinueCheck.
  bool userActionUndone = false;
  while (!FUndoList.empty() && FParser) {
    const bool automatic = FUndoList.back()->Automatic;
    if (userActionUndone && !automatic) break;
    auto record = std::move(FUndoList.back());
    FUndoList.pop_back();
    UndoRecord(std::move(record));
    if (!automatic) userActionUndone = true;
  }
}

// ---- Dialog commands ------------------------------------------------------------------------

void TLexoroSpellBase::DialogIgnore() {
  if (!FChecking) return;
  AddUndo(saIgnore, std::u16string(), false, false);
  ApplyIgnore(isIgnoreOnce);
  ContinueCheck();
}

void TLexoroSpellBase::DialogIgnoreAll() {
  if (!FChecking || FRepeatedMode) return;
  AddUndo(saIgnoreAll, std::u16string(), false, false);
  FInternalDictionary->AddWord(FCurrentWord);
  ApplyIgnore(isIgnoreAll);
  ContinueCheck();
}

void TLexoroSpellBase::DialogChange(const std::u16string& Word) {
  if (!FChecking || FRepeatedMode) return;
  AddUndo(saChange, Word, false, false);
  ApplyReplacement(Word, rsChange);
  if (FRecheckReplacedWords && FParser) {
    std::int32_t x = 0, y = 0;
    FParser->GetPosition(x, y);
    FParser->SetPosition(x - Length(Word), y, spCursor);
  }
  LearnReplacement(FCurrentWord, Word);
  ContinueCheck();
}

void TLexoroSpellBase::DialogChangeAll(const std::u16string& Word) {
  if (!FChecking || FRepeatedMode) return;
  AddUndo(saChangeAll, Word, false, false);
  FInternalDictionary->AddAutoCorrect(FCurrentWord, Word);
  ApplyReplacement(Word, rsChangeAll);
  LearnReplacement(FCurrentWord, Word);
  ContinueCheck();
}

void TLexoroSpellBase::DialogAdd() {
  if (!FChecking || FRepeatedMode) return;
  AddUndo(saAdd, std::u16string(), false, false);
  if (auto* active = ActiveCustomDictionary()) active->AddWord(FCurrentWord);
  ApplyIgnore(isAdd);
  ContinueCheck();
}

void TLexoroSpellBase::DialogAutoCorrect(const std::u16string& Word) {
  if (!FChecking || FRepeatedMode) return;
  AddUndo(saAutoCorrect, Word, false, false);
  if (auto* active = ActiveCustomDictionary()) active->AddAutoCorrect(FCurrentWord, Word);
  LearnReplacement(FCurrentWord, Word);
  ApplyReplacement(Word, rsAutoCorrect);
  ContinueCheck();
}

void TLexoroSpellBase::DialogChangeLine(const std::u16string& Text) {
  if (!FChecking || FRepeatedMode || !FParser) return;
  std::u16string line;
  FParser->GetLine(line);
  while (!line.empty() && line.back() <= u' ') line.pop_back();
  if (Text == line) {
    // Nothing was edited: the word stands as it is.
    DialogIgnore();
    return;
  }
  const std::size_t limit = std::min(Text.size(), line.size());
  std::size_t prefix = 0;
  while (prefix < limit && Text[prefix] == line[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < limit - prefix && Text[Text.size() - 1 - suffix] == line[line.size() - 1 - suffix]) ++suffix;
  const std::u16string newPart = Text.substr(prefix, Text.size() - prefix - suffix);
  const std::u16string oldPart = line.substr(prefix, line.size() - prefix - suffix);

  // Line positions count from the parser's own origin (0 for controls, 1 for strings).
  std::int32_t x = 0, y = 0, originX = 0, originY = 0;
  FParser->GetPosition(x, y);
  FParser->SetPosition(0, y, spCursor);
  FParser->GetPosition(originX, originY);
  FParser->SetPosition(originX + Length(line) - static_cast<std::int32_t>(suffix), y, spCursor);
  FParser->SelectWord(Length(oldPart));
  FCurrentWord = oldPart;
  AddUndo(saChange, newPart, true, false);
  ApplyReplacement(newPart, rsChange);
  if (!FParser) return;
  FParser->GetPosition(x, y);
  if (FRecheckReplacedWords) x -= Length(newPart);
  FParsingEngine->SeekWordStart(FParser, x, y);
  ContinueCheck();
}

void TLexoroSpellBase::DialogUndo() {
  if (!FChecking || !CanUndo()) return;
  UndoLastAction();
  ContinueCheck();
}

void TLexoroSpellBase::DialogIgnoreRepeated() { DialogIgnore(); }

void TLexoroSpellBase::DialogChangeRepeated() {
  if (!FChecking || !FRepeatedMode) return;
  // The selection holds both occurrences; one of them stays.
  AddUndo(saChange, FLastWord, false, false);
  ApplyReplacement(FLastWord, rsChange);
  ContinueCheck();
}

void TLexoroSpellBase::DialogIdle() {}

void TLexoroSpellBase::DialogCancel() {
  if (!FChecking) return;
  FCancelled = true;
  FinishCheck();
}

}  // namespace lexoro
