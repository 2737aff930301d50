// A control parser over a string held by the caller, edited in place.
// x is a 1-based index into the string (UTF-16 code units); y is always 0.
#pragma once

#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

class TStringParser : public TControlParser {
 public:
  TStringParser() = default;

  // The caller's string must outlive the parser.
  void Initialize(std::u16string& Text) { Initialize(TParserTarget(Text)); }
  // A string parser reads strings only.
  void Initialize(TObject* Object) = delete;

  // Another kind of target leaves the parser without text.
  void Initialize(TParserTarget Target) override;
  char16_t GetChar() override;
  void GetLine(std::u16string& Text) override;
  bool MoveNext() override;
  bool MovePrevious() override;
  void SetPosition(std::int32_t X, std::int32_t Y, TPositionKind Kind) override;
  void GetPosition(std::int32_t& X, std::int32_t& Y) override;
  void SelectWord(std::int32_t Length) override;
  void ReplaceWord(const std::u16string& Text, TReplaceState State) override;
  void IgnoreWord(TIgnoreState State) override;
  void CenterSelection() override;
  void GetCursorPosition(std::int32_t& X, std::int32_t& Y) override;
  void GetSelection(std::int32_t& StartX, std::int32_t& StartY, std::int32_t& EndX, std::int32_t& EndY) override;
  void GetControlRect(TRect& Rect) override;
  void GetSelectionRect(TRect& Rect) override;
  void UndoLast(TUndoState UndoState, TSpellAction UndoAction, TUndoData& UndoData) override;

 private:
  std::u16string& Text() const { return *FText; }
  std::int32_t Length() const;

  std::u16string* FText = nullptr;
  std::int32_t FEndX = 0;
  bool FEndBoundActive = false;
  std::int32_t FX = 1;
  std::int32_t FSelectedLength = 0;
};

}  // namespace lexoro
