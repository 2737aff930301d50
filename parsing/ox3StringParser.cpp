#include "lexoro/parsing/ox3StringParser.h"

#include <algorithm>

namespace lexoro {

void TStringParser::Initialize(TParserTarget Target) {
  FText = Target.Text();
  FEndBoundActive = false;
  FEndX = 0;
  FX = 1;
}

std::int32_t TStringParser::Length() const {
  return FText ? static_cast<std::int32_t>(std::min<std::size_t>(Text().size(), kBeyondEnd - 1)) : 0;
}

char16_t TStringParser::GetChar() {
  // Past the end bound there is no character to read either: otherwise a check limited to a
  // selection would go on reading the text after it once a word ran into the bound.
  if (FEndBoundActive && FX > FEndX) return 0;
  if (FX >= 1 && FX <= Length()) return Text()[static_cast<std::size_t>(FX - 1)];
  return 0;
}

void TStringParser::GetLine(std::u16string& Line) { Line = FText ? Text() : std::u16string(); }

bool TStringParser::MoveNext() {
  // Judged before moving: from the last character one more step succeeds and leaves the
  // cursor past the end, where GetChar answers 0; only the step after that fails.
  bool ok = Length() >= FX;
  if (FX < kBeyondEnd) ++FX;
  if (ok && FEndBoundActive && FX > FEndX) ok = false;
  return ok;
}

bool TStringParser::MovePrevious() {
  if (FX > 1) {
    --FX;
    return true;
  }
  return false;
}

void TStringParser::SetPosition(std::int32_t X, std::int32_t Y, TPositionKind Kind) {
  if (Kind == spCursor) {
    FX = std::max<std::int32_t>(1, X);
  } else if (Kind == spEndBound) {
    FEndBoundActive = true;
    FEndX = X;
  }
}

void TStringParser::GetPosition(std::int32_t& X, std::int32_t& Y) {
  X = FX;
  Y = 0;
}

void TStringParser::SelectWord(std::int32_t Length) {
  FSelectedLength = Length;
  FX -= Length;
}

void TStringParser::ReplaceWord(const std::u16string& NewText, TReplaceState State) {
  if (!FText) return;
  const auto newLength = static_cast<std::int32_t>(NewText.size());
  if (FEndBoundActive && FEndX != kBeyondEnd) FEndX += newLength - FSelectedLength;
  std::u16string& s = Text();
  // Positions outside the string are clamped so that a stale selection cannot reach past it.
  const std::size_t start = static_cast<std::size_t>(std::clamp<std::int32_t>(FX - 1, 0, Length()));
  const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::max(0, FSelectedLength)), s.size() - start);
  s.replace(start, count, NewText);
  FX = static_cast<std::int32_t>(start) + 1 + newLength;
}

void TStringParser::IgnoreWord(TIgnoreState State) { FX += FSelectedLength; }

void TStringParser::CenterSelection() {}

void TStringParser::GetCursorPosition(std::int32_t& X, std::int32_t& Y) {
  X = FX;
  Y = 0;
}

void TStringParser::GetSelection(std::int32_t& StartX, std::int32_t& StartY, std::int32_t& EndX, std::int32_t& EndY) {
  StartX = FX;
  StartY = 0;
  EndX = FX;
  EndY = 0;
}

void TStringParser::GetControlRect(TRect& Rect) { Rect = TRect{-1, -1, -1, -1}; }
void TStringParser::GetSelectionRect(TRect& Rect) { Rect = TRect{-1, -1, -1, -1}; }
void TStringParser::UndoLast(TUndoState UndoState, TSpellAction UndoAction, TUndoData& UndoData) {}

}  // namespace lexoro
