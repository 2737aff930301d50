#include "lexoro/parsing/ox3WinAPIParser.h"

#include <richedit.h>

#include <algorithm>

#include "lexoro/dictionaries/ox3UtilWin32.h"
#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3GdiWin32.h"
#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

// EM_GETLINE takes its capacity in the buffer's first code unit.
constexpr std::size_t kMaxGetLineCapacity = 0xFFFF;
// Lines and characters read ahead at most in one block.
constexpr std::int32_t kBlockLines = 256;
constexpr std::int32_t kBlockChars = 1 << 17;

LRESULT Send(HWND Window, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
  return SendMessageW(Window, Msg, WParam, LParam);
}

// The control's window, created when it has none; null when the control cannot have one.
HWND WindowOf(TWinControl* Control) {
  if (!Control) return nullptr;
  try {
    return Control->Handle();
  } catch (const EInvalidOperation&) {
    return nullptr;  // a child control without a parent window
  } catch (const EWindowError&) {
    return nullptr;
  }
}

}  // namespace

void TWinAPIControlParser::Initialize(TWinControl* Control) {
  FControl = Control;
  AttachHandle(WindowOf(Control));
}

void TWinAPIControlParser::Initialize(TParserTarget Target) { Initialize(Target.Object<TWinControl>()); }

void TWinAPIControlParser::AttachHandle(HWND Window) {
  FWindow = Window;
  FEndBoundActive = false;
  FEndColumn = 0;
  FEndLine = 0;
  FColumn = 0;
  FLine = 0;
  FReloadNeeded = true;
  FCachedLength = 0;
  FCachedLine = -1;
  FBuffer.clear();
  FWordStart = 0;
  FWordLength = 0;
  FBlockValid = false;

  FLineCount = AskLineCount();
  if (FLineCount == 0 && FWindow) {
    // A container: the first child that is an edit holds the text.
    for (HWND child = GetWindow(FWindow, GW_CHILD); child && IsWindow(child); child = GetWindow(child, GW_HWNDNEXT)) {
      const auto lines = static_cast<std::int32_t>(Send(child, EM_GETLINECOUNT));
      if (lines > 0) {
        FWindow = child;
        FLineCount = lines;
        break;
      }
    }
  }

  std::u16string className(1024, u'\0');
  const int length = FWindow ? GetClassNameW(FWindow, reinterpret_cast<wchar_t*>(className.data()), 1024) : 0;
  className.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  className = platform::LowerCase(className);
  const auto contains = [&](std::u16string_view part) { return className.find(part) != std::u16string::npos; };
  if (contains(u"richedit2")) FControlKind = ckRichEdit2;
  else if (contains(u"richedit") || contains(u"syntaxmemo") || contains(u"lmdmemo")) FControlKind = ckRichEdit;
  else if (FWindow && IsRichEditControl(FWindow)) FControlKind = ckRichEdit;
  else FControlKind = ckPlainEdit;
}

std::int32_t TWinAPIControlParser::AskLineCount() const {
  if (!FWindow) return 0;
  return static_cast<std::int32_t>(Send(FWindow, EM_GETLINECOUNT));
}

bool TWinAPIControlParser::BlockHolds(std::int32_t Line) const {
  return FBlockValid && !FReloadNeeded && Line >= FBlockFirstLine &&
         Line - FBlockFirstLine < static_cast<std::int32_t>(FBlockStarts.size());
}

std::int32_t TWinAPIControlParser::LineIndex(std::int32_t Line) const {
  if (!FWindow) return -1;
  if (BlockHolds(Line)) return FBlockIndex + FBlockStarts[static_cast<std::size_t>(Line - FBlockFirstLine)];
  return static_cast<std::int32_t>(Send(FWindow, EM_LINEINDEX, static_cast<WPARAM>(Line)));
}

bool TWinAPIControlParser::LoadBlock(std::int32_t Line) {
  FBlockValid = false;
  const std::int32_t last = std::min(Line + kBlockLines, FLineCount - 1);
  if (last <= Line) return false;
  const std::int32_t start = LineIndex(Line);
  std::int32_t end = LineIndex(last);
  if (start < 0 || end <= start) return false;
  const std::int32_t size = end - start;
  if (size > kBlockChars) return false;

  const bool rich = FControlKind != ckPlainEdit;
  FBlockText.assign(static_cast<std::size_t>(size) + 1, u'\0');
  std::size_t copied = 0;
  if (rich) {
    TEXTRANGEW range{};
    range.chrg.cpMin = start;
    range.chrg.cpMax = end;
    range.lpstrText = reinterpret_cast<wchar_t*>(FBlockText.data());
    const auto n = Send(FWindow, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    copied = n > 0 ? static_cast<std::size_t>(n) : 0;
  } else {
    std::u16string head(static_cast<std::size_t>(end) + 1, u'\0');
    const auto n = Send(FWindow, WM_GETTEXT, static_cast<WPARAM>(head.size()), reinterpret_cast<LPARAM>(head.data()));
    if (n == end) {
      std::copy_n(head.begin() + start, size, FBlockText.begin());
      copied = static_cast<std::size_t>(size);
    }
  }
  if (copied != static_cast<std::size_t>(size)) return false;
  FBlockText.resize(copied);

  // Cut at the hard line breaks: CR LF in an edit; CR (or CR LF) in a rich edit.
  FBlockStarts.clear();
  FBlockLengths.clear();
  std::int32_t lineStart = 0;
  for (std::int32_t i = 0; i < size;) {
    const char16_t ch = FBlockText[static_cast<std::size_t>(i)];
    const bool crlf = ch == u'\r' && i + 1 < size && FBlockText[static_cast<std::size_t>(i) + 1] == u'\n';
    int breakLength = 0;
    if (crlf) breakLength = 2;
    else if (ch == u'\r' && rich) breakLength = 1;
    if (breakLength == 0) {
      ++i;
      continue;
    }
    FBlockStarts.push_back(lineStart);
    FBlockLengths.push_back(i - lineStart);
    i += breakLength;
    lineStart = i;
  }
  // Every line the control counts must end in a break of its own, the last one at the end.
  // Where it does not, lines are wrapped: then the control says where each line starts (one
  // message a line, still far cheaper than reading every line on its own).
  if (lineStart != size || static_cast<std::int32_t>(FBlockStarts.size()) != last - Line) {
    FBlockStarts.clear();
    FBlockLengths.clear();
    std::int32_t from = 0;
    for (std::int32_t line = Line; line < last; ++line) {
      const std::int32_t to =
          line + 1 == last ? size : static_cast<std::int32_t>(Send(FWindow, EM_LINEINDEX, static_cast<WPARAM>(line + 1))) - start;
      if (to < from || to > size) return false;
      // Drop the line's own break, as a line read alone does.
      std::int32_t length = to - from;
      if (length > 0 && FBlockText[static_cast<std::size_t>(from + length - 1)] == u'\n') --length;
      if (length > 0 && FBlockText[static_cast<std::size_t>(from + length - 1)] == u'\r') --length;
      FBlockStarts.push_back(from);
      FBlockLengths.push_back(length);
      from = to;
    }
  }
  FBlockFirstLine = Line;
  FBlockIndex = start;
  FBlockValid = true;
  return true;
}

bool TWinAPIControlParser::LoadLine(std::int32_t Line) {
  if (Line < 0 || !FWindow) return false;
  if (FReloadNeeded) FBlockValid = false;
  if (BlockHolds(Line) || (Line < FLineCount && !FReloadNeeded && LoadBlock(Line))) {
    const auto at = static_cast<std::size_t>(Line - FBlockFirstLine);
    FBuffer.assign(FBlockText, static_cast<std::size_t>(FBlockStarts[at]), static_cast<std::size_t>(FBlockLengths[at]));
    FBuffer += u"\r\n";
    FCachedLine = Line;
    FCachedLength = static_cast<std::int32_t>(FBuffer.size());
    return true;
  }
  // The count changes only with the text: ask again after a change, or when the line lies
  // beyond what was counted. EM_LINEINDEX answers -1 for a line that is gone.
  if (FReloadNeeded || Line >= FLineCount) FLineCount = AskLineCount();
  if (Line >= FLineCount) return false;
  const std::int32_t start = LineIndex(Line);
  if (start < 0) return false;

  const auto reported = static_cast<std::int32_t>(Send(FWindow, EM_LINELENGTH, static_cast<WPARAM>(start)));
  // Room for a line break some controls return with the line.
  const std::size_t capacity = static_cast<std::size_t>(std::max(reported, 0)) + 2;
  FBuffer.assign(capacity + 1, u'\0');
  std::size_t count = 0;
  if (capacity <= kMaxGetLineCapacity) {
    FBuffer[0] = static_cast<char16_t>(capacity);
    const auto copied = Send(FWindow, EM_GETLINE, static_cast<WPARAM>(Line), reinterpret_cast<LPARAM>(FBuffer.data()));
    count = copied > 0 ? std::min(static_cast<std::size_t>(copied), capacity) : 0;
  } else if (FControlKind != ckPlainEdit || IsRichEditControl(FWindow)) {
    // Too long for EM_GETLINE: a rich edit hands out any range.
    TEXTRANGEW range{};
    range.chrg.cpMin = start;
    range.chrg.cpMax = start + reported;
    range.lpstrText = reinterpret_cast<wchar_t*>(FBuffer.data());
    const auto copied = Send(FWindow, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    count = copied > 0 ? std::min(static_cast<std::size_t>(copied), capacity) : 0;
  } else {
    // An edit hands out its text from the start only.
    const std::size_t upTo = static_cast<std::size_t>(start) + static_cast<std::size_t>(reported);
    std::u16string head(upTo + 1, u'\0');
    const auto copied = Send(FWindow, WM_GETTEXT, static_cast<WPARAM>(head.size()), reinterpret_cast<LPARAM>(head.data()));
    const std::size_t got = copied > 0 ? std::min(static_cast<std::size_t>(copied), upTo) : 0;
    if (got > static_cast<std::size_t>(start)) {
      count = std::min(got - static_cast<std::size_t>(start), capacity);
      std::copy_n(head.begin() + start, count, FBuffer.begin());
    }
  }
  // Drop a line break the control returned itself; CR LF is appended to every line.
  if (count > 0 && FBuffer[count - 1] == u'\n') --count;
  if (count > 0 && FBuffer[count - 1] == u'\r') --count;
  FBuffer.resize(count);
  FBuffer += u"\r\n";

  FReloadNeeded = false;
  FCachedLine = Line;
  FCachedLength = static_cast<std::int32_t>(FBuffer.size());
  return true;
}

bool TWinAPIControlParser::ValidatePosition() {
  if (FLine == FCachedLine) {
    if (FColumn >= FCachedLength) {
      ++FLine;
      FColumn = 0;
    } else if (FColumn < 0) {
      if (FLine <= 0) {
        FColumn = 0;
        return false;
      }
      --FLine;
      FColumn = -1;
    }
  }
  bool valid = true;
  if (FLine != FCachedLine || FReloadNeeded) {
    valid = LoadLine(FLine);
    // Stepping back from column 0 lands on the LF of the line before.
    if (FColumn < 0) FColumn = FCachedLength - 1;
  }
  // Past the end bound: a later line, or a later column on the bound's line.
  if (FEndBoundActive && (FLine > FEndLine || (FLine == FEndLine && FColumn > FEndColumn))) return false;
  return valid;
}

char16_t TWinAPIControlParser::GetChar() {
  if (!ValidatePosition()) return 0;
  if (FColumn < 0 || FColumn >= FCachedLength) return 0;
  return FBuffer[static_cast<std::size_t>(FColumn)];
}

void TWinAPIControlParser::GetLine(std::u16string& Text) {
  if (ValidatePosition()) Text = FBuffer;
  else Text.clear();
}

bool TWinAPIControlParser::MoveNext() {
  ++FColumn;
  return ValidatePosition();
}

bool TWinAPIControlParser::MovePrevious() {
  --FColumn;
  return ValidatePosition();
}

void TWinAPIControlParser::SetPosition(std::int32_t X, std::int32_t Y, TPositionKind Kind) {
  if (Kind == spCursor) {
    FColumn = X;
    FLine = Y;
    FReloadNeeded = true;
  } else if (Kind == spEndBound) {
    FEndColumn = X;
    FEndLine = Y;
    FEndBoundActive = true;
  }
}

void TWinAPIControlParser::GetPosition(std::int32_t& X, std::int32_t& Y) {
  X = FColumn;
  Y = FLine;
}

void TWinAPIControlParser::GetSel(std::int32_t& Start, std::int32_t& End) const {
  DWORD start = 0, end = 0;
  if (FWindow) Send(FWindow, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  Start = static_cast<std::int32_t>(start);
  End = static_cast<std::int32_t>(end);
}

void TWinAPIControlParser::SelToPosition(std::int32_t Index, std::int32_t& X, std::int32_t& Y) const {
  Y = FWindow ? static_cast<std::int32_t>(Send(FWindow, EM_LINEFROMCHAR, static_cast<WPARAM>(Index))) : 0;
  const std::int32_t start = LineIndex(Y);
  X = Index - std::max(start, 0);
}

void TWinAPIControlParser::SelectWord(std::int32_t Length) {
  FColumn -= Length;
  FWordStart = std::max(LineIndex(FLine), 0) + FColumn;
  FWordLength = Length;
  if (FWindow) Send(FWindow, EM_SETSEL, static_cast<WPARAM>(FWordStart), FWordStart + Length);
}

void TWinAPIControlParser::ReplaceWord(const std::u16string& Text, TReplaceState State) {
  if (!FWindow) return;
  Send(FWindow, EM_SETSEL, static_cast<WPARAM>(FWordStart), FWordStart + FWordLength);
  const auto length = static_cast<std::int32_t>(Text.size());
  if (FEndBoundActive && FLine == FEndLine) {
    // The bound keeps pointing at the same text.
    std::int32_t start, end;
    GetSel(start, end);
    FEndColumn += length - (end - start);
  }
  Send(FWindow, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Text.c_str()));
  FColumn += length;
  FReloadNeeded = true;
}

void TWinAPIControlParser::IgnoreWord(TIgnoreState State) {
  // Just after the word SelectWord remembered, whatever the selection became meanwhile.
  FColumn += FWordLength;
}

void TWinAPIControlParser::CenterSelection() {
  if (!FWindow) return;
  const int lineHeight = win32::WindowLineHeight(FWindow);
  RECT client{};
  if (lineHeight > 0 && GetClientRect(FWindow, &client)) {
    const int visibleLines = (client.bottom - client.top) / lineHeight;
    const int half = visibleLines / 2;
    const auto first = static_cast<std::int32_t>(Send(FWindow, EM_GETFIRSTVISIBLELINE));
    Send(FWindow, EM_LINESCROLL, 0, FLine - (first + half));
  }
  std::int32_t start, end;
  GetSel(start, end);
  Send(FWindow, EM_SETSEL, static_cast<WPARAM>(start), start);
  Send(FWindow, EM_SCROLLCARET);
  Send(FWindow, EM_SETSEL, static_cast<WPARAM>(end), end);
  Send(FWindow, EM_SCROLLCARET);
  Send(FWindow, EM_SETSEL, static_cast<WPARAM>(start), end);
}

void TWinAPIControlParser::GetCursorPosition(std::int32_t& X, std::int32_t& Y) {
  std::int32_t start, end;
  GetSel(start, end);
  SelToPosition(start, X, Y);
}

void TWinAPIControlParser::GetSelection(std::int32_t& StartX, std::int32_t& StartY, std::int32_t& EndX,
                                        std::int32_t& EndY) {
  std::int32_t start, end;
  GetSel(start, end);
  SelToPosition(start, StartX, StartY);
  SelToPosition(end, EndX, EndY);
}

void TWinAPIControlParser::GetControlRect(TRect& Rect) {
  POINT origin{0, 0};
  RECT window{};
  if (!FWindow || !ClientToScreen(FWindow, &origin) || !GetWindowRect(FWindow, &window)) {
    Rect = TRect{-1, -1, -1, -1};
    return;
  }
  Rect.Left = origin.x;
  Rect.Top = origin.y;
  Rect.Right = origin.x + (window.right - window.left);
  Rect.Bottom = origin.y + (window.bottom - window.top);
}

void TWinAPIControlParser::GetSelectionRect(TRect& Rect) {
  if (!FWindow) {
    Rect = TRect{-1, -1, -1, -1};
    return;
  }
  std::int32_t start, end;
  GetSel(start, end);
  POINT topLeft, right;
  GetCharPoint(start, topLeft);
  GetCharPoint(end, right);
  ClientToScreen(FWindow, &topLeft);
  ClientToScreen(FWindow, &right);
  Rect.Left = topLeft.x;
  Rect.Top = topLeft.y;
  Rect.Right = right.x;
  Rect.Bottom = topLeft.y + win32::WindowLineHeight(FWindow);
  // At least down to the start of the next line.
  const std::int32_t next = LineIndex(FLine + 1);
  if (next != -1) {
    POINT below;
    GetCharPoint(next, below);
    ClientToScreen(FWindow, &below);
    if (Rect.Bottom < below.y) Rect.Bottom = below.y;
  }
}

void TWinAPIControlParser::UndoLast(TUndoState, TSpellAction, TUndoData&) {}

TWinControl* TWinAPIControlParser::GetControl() { return FControl; }

void TWinAPIControlParser::GetCharPoint(std::int32_t CharIndex, POINT& Point) {
  Point = POINT{0, 0};
  if (!FWindow) return;
  if (FControlKind == ckRichEdit) {
    POINTL at{0, 0};
    Send(FWindow, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), CharIndex);
    Point.x = at.x;
    Point.y = at.y;
    return;
  }
  const LRESULT packed = Send(FWindow, EM_POSFROMCHAR, static_cast<WPARAM>(CharIndex), 0);
  if (packed == -1) return;
  // Signed: a character scrolled out above or left of the view has a negative coordinate.
  Point.x = static_cast<short>(LOWORD(packed));
  Point.y = static_cast<short>(HIWORD(packed));
}

}  // namespace lexoro
