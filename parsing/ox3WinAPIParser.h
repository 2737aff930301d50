// The control parser over a live Windows edit control, rich edit control, or another memo
// control that answers the standard edit messages.
//
// It never copies the whole text: it reads the line under the position into a buffer, appends
// CR LF to it (every line, the last one included, is seen ending in CR LF), and moves a
// (column, line) position over it for the parsing engine. Selections, replacements, scrolling
// and geometry go to the window as edit messages. The absolute character index of a position
// is EM_LINEINDEX(line) + column.
//
// Rich edits count a line break as one character (CR), and some versions return that CR at the
// end of EM_GETLINE: it is dropped before CR LF is appended, so the CR the parser shows sits at
// the index of the control's own line break on every version. Lines are read whole, however
// long they are.
//
// Controls may take time proportional to the line number for every line message, so reading
// line after line would cost time proportional to the square of the text's size. The parser
// therefore reads the lines ahead in blocks: one range of text from the start of a line to the
// start of a line further on, cut at its line breaks. A block is used only when its breaks
// account for every line the control counts in it (no soft breaks of word wrap); otherwise that
// line is read alone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lexoro/parsing/ox3ParserBase.h"

namespace lexoro {

// The kind of control, which decides how the parser reads ranges of text and asks the window
// for character positions.
enum TControlKind : std::uint8_t {
  ckPlainEdit = 0,  // EM_POSFROMCHAR in the edit form
  ckRichEdit = 1,   // EM_POSFROMCHAR in the rich-edit form (POINTL*)
  ckRichEdit2 = 2,  // a RichEdit 2.0 class: rich edit, edit-form positions
};

class TWinAPIControlParser : public TControlParser2 {
 public:
  TWinAPIControlParser() = default;

  // Attaches to the control's window, created if it has none yet. A control that cannot have
  // a window (a child control without a parent window) is read as an empty control.
  void Initialize(TWinControl* Control);
  // A control parser reads controls only.
  void Initialize(std::u16string& Text) = delete;
  // Another kind of target than a TWinControl leaves the parser without text.
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
  TWinControl* GetControl() override;
  // Loads the line under the position when needed and tells whether the position is a
  // readable character (inside the text and not after the end bound).
  virtual bool ValidatePosition();
  // Client coordinates of the character at an absolute index; (0, 0) when the window has none.
  virtual void GetCharPoint(std::int32_t CharIndex, POINT& Point);

  // Binds the parser to a window (or to the first edit child of a container window) and
  // resets all position state.
  void AttachHandle(HWND Window);

  [[nodiscard]] HWND Window() const { return FWindow; }
  [[nodiscard]] TControlKind ControlKind() const { return FControlKind; }
  // A caller may force rich-edit positions (ckRichEdit) after Initialize.
  void SetControlKind(TControlKind Value) { FControlKind = Value; }
  [[nodiscard]] std::int32_t LineCount() const { return FLineCount; }

 private:
  [[nodiscard]] bool LoadLine(std::int32_t Line);
  [[nodiscard]] bool LoadBlock(std::int32_t Line);
  [[nodiscard]] bool BlockHolds(std::int32_t Line) const;
  [[nodiscard]] std::int32_t LineIndex(std::int32_t Line) const;
  void GetSel(std::int32_t& Start, std::int32_t& End) const;
  void SelToPosition(std::int32_t Index, std::int32_t& X, std::int32_t& Y) const;
  [[nodiscard]] std::int32_t AskLineCount() const;

  TWinControl* FControl = nullptr;
  HWND FWindow = nullptr;
  TControlKind FControlKind = ckPlainEdit;
  std::int32_t FEndColumn = 0;
  std::int32_t FEndLine = 0;
  bool FEndBoundActive = false;
  std::int32_t FColumn = 0;
  std::int32_t FLine = 0;
  std::u16string FBuffer;  // the cached line followed by CR LF
  std::int32_t FCachedLine = -1;
  std::int32_t FCachedLength = 0;
  std::int32_t FLineCount = 0;
  bool FReloadNeeded = true;
  std::int32_t FWordStart = 0;
  std::int32_t FWordLength = 0;
  // Lines read ahead: FBlockStarts[i] and FBlockLengths[i] locate line FBlockFirstLine + i in
  // FBlockText, whose first character has the absolute index FBlockIndex.
  bool FBlockValid = false;
  std::int32_t FBlockFirstLine = 0;
  std::int32_t FBlockIndex = 0;
  std::u16string FBlockText;
  std::vector<std::int32_t> FBlockStarts;
  std::vector<std::int32_t> FBlockLengths;
};

}  // namespace lexoro
