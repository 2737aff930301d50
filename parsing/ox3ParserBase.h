// The control parser interface: a cursor over one body of text (a string or a live control)
// through which the parsing engine reads characters and the check driver selects, replaces
// and skips words.
//
// Positions are opaque (x, y) pairs that callers only store and hand back, with two values
// every implementation honours: (0, 0) is the start of the text and (kBeyondEnd, kBeyondEnd)
// lies beyond its end (used as an end bound).
//
// The codes that travel through the interface each have a type of their own, so that a code
// of one kind cannot be handed where another is meant; their numbers are the ones a parser of
// the application's own has always been given.
#pragma once

#include <any>
#include <cstdint>
#include <string>

#include "lexoro/framework/ox3Classes.h"

namespace lexoro {

class TWinControl;

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Why ReplaceWord is called (passed through from the check driver).
enum TReplaceState : std::int32_t {
  rsChange = 0,           // a change, a repetition removed, an edited line
  rsChangeAll = 1,
  rsAutoCorrect = 2,      // an automatic correction, or the user's Auto-Correct
  rsUndoChange = 3,
  rsUndoChangeAll = 4,
  rsUndoAutoCorrect = 5,
};

// Why IgnoreWord is called (passed through from the check driver).
enum TIgnoreState : std::int32_t {
  isIgnoreOnce = 10,
  isIgnoreAll = 11,
  isAdd = 12,
};

// What SetPosition places. Other values have no effect.
enum TPositionKind : std::int32_t { spCursor = 0, spEndBound = 1 };

// The user's actions of a check, as its undo records keep them.
enum TSpellAction : std::uint8_t { saIgnore, saIgnoreAll, saChange, saChangeAll, saAdd, saAutoCorrect };

// When UndoLast is called: the undo record was just made, its action is about to be undone,
// or it has been undone.
enum TUndoState : std::int32_t { usCreated = 0, usBefore = 1, usAfter = 2 };

// Data that an application keeps with an undo record, through OnParserUndoLast or its own
// parser's UndoLast: nothing at first, or one value of any copyable type, read back only as
// the type it was stored as.
class TUndoData {
 public:
  template <typename T>
  void Set(T Value) {
    FValue = std::move(Value);
  }
  // The value stored, or null when there is none or it is of another type.
  template <typename T>
  [[nodiscard]] T* Get() {
    return std::any_cast<T>(&FValue);
  }
  template <typename T>
  [[nodiscard]] const T* Get() const {
    return std::any_cast<T>(&FValue);
  }
  [[nodiscard]] bool Empty() const { return !FValue.has_value(); }
  void Clear() { FValue.reset(); }

 private:
  std::any FValue;
};

// What a parser is attached to: a string of the caller's, edited in place, or an object (a
// control). A parser takes the kind it reads; given the other kind it has no text.
class TParserTarget {
 public:
  TParserTarget() = default;
  TParserTarget(std::u16string& Text) : FText(&Text) {}
  TParserTarget(TObject* Object) : FObject(Object) {}

  [[nodiscard]] std::u16string* Text() const { return FText; }
  // The object, when it is a T.
  template <typename T>
  [[nodiscard]] T* Object() const {
    return dynamic_cast<T*>(FObject);
  }

 private:
  std::u16string* FText = nullptr;
  TObject* FObject = nullptr;
};

inline constexpr std::int32_t kBeyondEnd = 2147483647;

class TControlParser {
 public:
  virtual ~TControlParser() = default;

  // Attaches to the text; cursor at the start, no end bound.
  virtual void Initialize(TParserTarget Target) = 0;
  // Character at the cursor; 0 when there is none.
  virtual char16_t GetChar() = 0;
  // Text of the line that holds the cursor.
  virtual void GetLine(std::u16string& Text) = 0;
  // Advances one character; false when the text, or the end bound, is exhausted.
  virtual bool MoveNext() = 0;
  // Steps back one character; false at the start.
  virtual bool MovePrevious() = 0;
  virtual void SetPosition(std::int32_t X, std::int32_t Y, TPositionKind Kind) = 0;
  virtual void GetPosition(std::int32_t& X, std::int32_t& Y) = 0;
  // Steps back over the word just read and remembers it as the selected word.
  virtual void SelectWord(std::int32_t Length) = 0;
  // Replaces the selected word; the cursor stands just after Text.
  virtual void ReplaceWord(const std::u16string& Text, TReplaceState State) = 0;
  // Moves the cursor just after the selected word.
  virtual void IgnoreWord(TIgnoreState State) = 0;
  virtual void CenterSelection() = 0;
  virtual void GetCursorPosition(std::int32_t& X, std::int32_t& Y) = 0;
  virtual void GetSelection(std::int32_t& StartX, std::int32_t& StartY, std::int32_t& EndX, std::int32_t& EndY) = 0;
  virtual void GetControlRect(TRect& Rect) = 0;
  virtual void GetSelectionRect(TRect& Rect) = 0;
  // Called when an undo record is made and while its action is undone.
  virtual void UndoLast(TUndoState UndoState, TSpellAction UndoAction, TUndoData& UndoData) = 0;
};

// A parser attached to a window control.
class TControlParser2 : public TControlParser {
 public:
  virtual TWinControl* GetControl() = 0;
};

}  // namespace lexoro
