// The control parser interface: a cursor over one body of text (a string or a live control)
// through which the parsing engine reads characters and the check driver selects, replaces
// and skips words.
//
// Positions are opaque (x, y) pairs that callers only store and hand back, with two values
// every implementation honours: (0, 0) is the start of the text and (kBeyondEnd, kBeyondEnd)
// lies beyond its end (used as an end bound).
#pragma once

#include <cstdint>
#include <string>

namespace lexoro {

class TWinControl;

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Why ReplaceWord / IgnoreWord is called (passed through from the check driver).
enum : std::int32_t {
  rsChange = 0,
  rsChangeAll = 1,
  rsAutoCorrect = 2,
  rsUndoChange = 3,
  rsUndoChangeAll = 4,
  rsUndoAutoCorrect = 5,
  rsIgnoreOnce = 10,
  rsIgnoreAll = 11,
  rsAdd = 12,
};

// SetPosition kinds.
enum : std::int32_t { spCursor = 0, spEndBound = 1 };

inline constexpr std::int32_t kBeyondEnd = 2147483647;

class TControlParser {
 public:
  virtual ~TControlParser() = default;

  // Attaches to the text; cursor at the start, no end bound. The target's type is the
  // implementation's: a std::u16string* for the string parser, a TWinControl* for controls.
  virtual void Initialize(void* Target) = 0;
  // Character at the cursor; 0 when there is none.
  virtual char16_t GetChar() = 0;
  // Text of the line that holds the cursor.
  virtual void GetLine(std::u16string& Text) = 0;
  // Advances one character; false when the text, or the end bound, is exhausted.
  virtual bool MoveNext() = 0;
  // Steps back one character; false at the start.
  virtual bool MovePrevious() = 0;
  // Kind 0 moves the cursor, kind 1 sets the end bound; other kinds do nothing.
  virtual void SetPosition(std::int32_t X, std::int32_t Y, std::int32_t Kind) = 0;
  virtual void GetPosition(std::int32_t& X, std::int32_t& Y) = 0;
  // Steps back over the word just read and remembers it as the selected word.
  virtual void SelectWord(std::int32_t Length) = 0;
  // Replaces the selected word; the cursor stands just after Text.
  virtual void ReplaceWord(const std::u16string& Text, std::int32_t State) = 0;
  // Moves the cursor just after the selected word.
  virtual void IgnoreWord(std::int32_t State) = 0;
  virtual void CenterSelection() = 0;
  virtual void GetCursorPosition(std::int32_t& X, std::int32_t& Y) = 0;
  virtual void GetSelection(std::int32_t& StartX, std::int32_t& StartY, std::int32_t& EndX, std::int32_t& EndY) = 0;
  virtual void GetControlRect(TRect& Rect) = 0;
  virtual void GetSelectionRect(TRect& Rect) = 0;
  // Called while a change is undone.
  virtual void UndoLast(std::int32_t UndoState, std::int32_t UndoAction, void*& UndoData) = 0;

 protected:
  void* FTarget = nullptr;
};

// A parser attached to a window control.
class TControlParser2 : public TControlParser {
 public:
  virtual TWinControl* GetControl() = 0;
};

}  // namespace lexoro
