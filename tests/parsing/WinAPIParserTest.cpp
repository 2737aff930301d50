// The edit-control parser against real EDIT, RichEdit20W and RICHEDIT50W windows (run under
// Wine in the Windows build). Rich edits count a line break as one character; plain edits as
// two: every expectation here is phrased so that it must hold for both.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lexoro/framework/ox3ControlsWin32.h"
#include "lexoro/framework/ox3FormsWin32.h"
#include "lexoro/parsing/ox3ParseEngine.h"
#include "lexoro/parsing/ox3StringParser.h"
#include "lexoro/parsing/ox3WinAPIParser.h"
#include "tests/support/TestSupport.h"

namespace lexoro {
namespace {

using test::U16;
using test::U8;

enum class TKind { Edit, RichEdit20, RichEdit50 };

const wchar_t* ClassOf(TKind kind) {
  switch (kind) {
    case TKind::Edit: return L"EDIT";
    case TKind::RichEdit20: return L"RichEdit20W";
    case TKind::RichEdit50: return L"RICHEDIT50W";
  }
  return L"EDIT";
}

std::string NameOf(TKind kind) {
  switch (kind) {
    case TKind::Edit: return "Edit";
    case TKind::RichEdit20: return "RichEdit20W";
    case TKind::RichEdit50: return "RICHEDIT50W";
  }
  return "?";
}

// A hidden host form and system edit windows inside it.
class THost {
 public:
  THost() : FForm(std::make_unique<TForm>(nullptr)) {
    LoadLibraryW(L"riched20.dll");
    LoadLibraryW(L"msftedit.dll");
    FForm->SetBounds(0, 0, 500, 400);
    FForm->HandleNeeded();
  }
  HWND Create(TKind kind, const std::u16string& text, DWORD extraStyle = 0) {
    HWND window = CreateWindowExW(0, ClassOf(kind), L"",
                                  WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                                      WS_HSCROLL | extraStyle,
                                  0, 0,
                                  300, 200, FForm->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(window, nullptr);
    if (kind == TKind::Edit) SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
    else SendMessageW(window, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
    // No word wrap: a line is a line of the text.
    if (kind != TKind::Edit) SendMessageW(window, EM_SETTARGETDEVICE, 0, 1);
    SetWindowTextW(window, reinterpret_cast<const wchar_t*>(text.c_str()));
    return window;
  }
  TForm& Form() { return *FForm; }

 private:
  std::unique_ptr<TForm> FForm;
};

// Characters seen by MoveNext from the start, until it fails.
std::u16string Walk(TWinAPIControlParser& parser) {
  std::u16string seen;
  parser.SetPosition(0, 0, spCursor);
  for (char16_t ch = parser.GetChar(); ch != 0; ch = parser.GetChar()) {
    seen += ch;
    if (!parser.MoveNext()) break;
  }
  return seen;
}

std::vector<std::u16string> Words(TParsingEngine& engine, TControlParser& parser) {
  std::vector<std::u16string> words;
  engine.PositionParser(&parser, ckEntireText);
  for (std::u16string word;;) {
    engine.GetNextWord(&parser, word);
    if (word.empty()) break;
    words.push_back(word);
  }
  return words;
}

std::u16string SelectedText(HWND window) {
  DWORD start = 0, end = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (SendMessageW(window, EM_GETTEXTMODE, 0, 0) != 0) {
    std::u16string text(end - start + 1, u'\0');
    const auto n = SendMessageW(window, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return text;
  }
  std::u16string all(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  all.resize(static_cast<std::size_t>(GetWindowTextW(window, reinterpret_cast<wchar_t*>(all.data()), static_cast<int>(all.size()))));
  return all.substr(start, end - start);
}

// The control's text with every line break as CR LF, whatever the control stores.
std::u16string ControlText(HWND window) {
  std::u16string all(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  all.resize(static_cast<std::size_t>(GetWindowTextW(window, reinterpret_cast<wchar_t*>(all.data()), static_cast<int>(all.size()))));
  std::u16string out;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == u'\r') {
      out += u"\r\n";
      if (i + 1 < all.size() && all[i + 1] == u'\n') ++i;
    } else {
      out += all[i];
    }
  }
  return out;
}

class WinAPIParserOnEachControl : public ::testing::TestWithParam<TKind> {
 protected:
  THost Host;
};

TEST_P(WinAPIParserOnEachControl, EveryLineEndsInCrLfAndTheWalkStopsAfterTheLast) {
  TWinAPIControlParser parser;
  parser.AttachHandle(Host.Create(GetParam(), u"ab"));
  EXPECT_EQ(Walk(parser), u"ab\r\n");
  EXPECT_FALSE(parser.MoveNext());
  EXPECT_EQ(parser.GetChar(), 0);

  parser.AttachHandle(Host.Create(GetParam(), u"one\r\ntwo\r\n\r\nthree"));
  EXPECT_EQ(Walk(parser), u"one\r\ntwo\r\n\r\nthree\r\n");
}

TEST_P(WinAPIParserOnEachControl, MovePreviousFromColumnZeroLandsOnThePreviousLineFeed) {
  TWinAPIControlParser parser;
  parser.AttachHandle(Host.Create(GetParam(), u"abc\r\nde"));
  parser.SetPosition(0, 1, spCursor);
  EXPECT_EQ(parser.GetChar(), u'd');
  EXPECT_TRUE(parser.MovePrevious());
  std::int32_t x, y;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 4);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(parser.GetChar(), u'\n');
  // Nothing before the start: column 0 of line 0 stays.
  parser.SetPosition(0, 0, spCursor);
  EXPECT_FALSE(parser.MovePrevious());
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

TEST_P(WinAPIParserOnEachControl, SelectedWordsAreTheControlsOwnCharacters) {
  // Absolute index = EM_LINEINDEX + column must hold on the later lines too, where plain and
  // rich edits count the line breaks before differently.
  HWND window = Host.Create(GetParam(), u"first line\r\nsecond line\r\nthird word here");
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  TMainParsingEngine engine;
  engine.PositionParser(&parser, ckEntireText);
  std::u16string word;
  for (int i = 0; i < 6; ++i) engine.GetNextWord(&parser, word);
  ASSERT_EQ(word, u"word");
  parser.SelectWord(static_cast<std::int32_t>(word.size()));
  EXPECT_EQ(SelectedText(window), u"word");
  std::int32_t x, y;
  parser.GetCursorPosition(x, y);
  EXPECT_EQ(x, 6);
  EXPECT_EQ(y, 2);
}

TEST_P(WinAPIParserOnEachControl, EngineReadsTheSameWordsAsFromAString) {
  const std::u16string text =
      u"The quick brown fox's jump, over U.S. fences.\r\n\r\nIt wasn't   quite 42 metres\r\nlast-line end";
  TMainParsingEngine engine;
  std::u16string copy = text;
  TStringParser stringParser;
  stringParser.Initialize(copy);
  const auto expected = Words(engine, stringParser);
  ASSERT_GE(expected.size(), 12u);

  TWinAPIControlParser parser;
  parser.AttachHandle(Host.Create(GetParam(), text));
  EXPECT_EQ(Words(engine, parser), expected);
}

TEST_P(WinAPIParserOnEachControl, ReplacingAWordKeepsTheWalkAndTheEndBoundOnTheSameText) {
  HWND window = Host.Create(GetParam(), u"x\r\nab hello cd ef\r\nzz");
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  parser.SetPosition(8, 1, spCursor);  // just after "hello"
  parser.SetPosition(11, 1, spEndBound);  // just after "cd"
  parser.SelectWord(5);
  parser.ReplaceWord(u"goodbye", rsChange);
  EXPECT_EQ(ControlText(window), u"x\r\nab goodbye cd ef\r\nzz");
  std::int32_t x, y;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 1);
  // The bound moved 2 columns with the text: "cd" is still inside, "ef" is not.
  std::u16string rest(1, parser.GetChar());
  while (parser.MoveNext()) rest += parser.GetChar();
  EXPECT_EQ(rest, u" cd ");

  // Shorter replacement at the start of a line.
  parser.SetPosition(2, 0, spCursor);
  parser.SetPosition(kBeyondEnd, kBeyondEnd, spEndBound);
  parser.SetPosition(1, 0, spCursor);
  parser.SelectWord(1);
  parser.ReplaceWord(u"", rsChange);
  EXPECT_EQ(ControlText(window), u"\r\nab goodbye cd ef\r\nzz");
  EXPECT_EQ(parser.GetChar(), u'\r');
}

TEST_P(WinAPIParserOnEachControl, IgnoreStepsOverTheSelectedWord) {
  HWND window = Host.Create(GetParam(), u"alpha beta");
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  parser.SetPosition(5, 0, spCursor);
  parser.SelectWord(5);
  SendMessageW(window, EM_SETSEL, 0, 0);  // the selection moved meanwhile
  parser.IgnoreWord(isIgnoreOnce);
  std::int32_t x, y;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(parser.GetChar(), u' ');
}

TEST_P(WinAPIParserOnEachControl, SelectionAndCursorAreLineAndColumn) {
  HWND window = Host.Create(GetParam(), u"one two\r\nthree four\r\nfive");
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  const auto lineStart = static_cast<std::int32_t>(SendMessageW(window, EM_LINEINDEX, 1, 0));
  SendMessageW(window, EM_SETSEL, lineStart + 6, lineStart + 10);
  std::int32_t sx, sy, ex, ey;
  parser.GetSelection(sx, sy, ex, ey);
  EXPECT_EQ(sx, 6);
  EXPECT_EQ(sy, 1);
  EXPECT_EQ(ex, 10);
  EXPECT_EQ(ey, 1);
  parser.GetCursorPosition(sx, sy);
  EXPECT_EQ(sx, 6);
  EXPECT_EQ(sy, 1);

  // A selection check reads just the selected words.
  TMainParsingEngine engine;
  engine.PositionParser(&parser, ckSelection);
  std::u16string word;
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"four");
  engine.GetNextWord(&parser, word);
  EXPECT_EQ(word, u"");
}

TEST_P(WinAPIParserOnEachControl, LinesLongerThanTheOldBufferAreReadWhole) {
  for (std::size_t size : {16374u, 16500u, 70000u}) {
    std::u16string longLine;
    while (longLine.size() < size) longLine += u"lorem ipsum ";
    longLine += u"tailword";
    HWND window = Host.Create(GetParam(), u"head\r\n" + longLine + u"\r\nnext");
    TWinAPIControlParser parser;
    parser.AttachHandle(window);
    std::u16string line;
    parser.SetPosition(0, 1, spCursor);
    parser.GetLine(line);
    EXPECT_EQ(line.size(), longLine.size() + 2) << "line of " << longLine.size();
    EXPECT_TRUE(line == longLine + u"\r\n") << "line of " << longLine.size();

    TMainParsingEngine engine;
    const auto words = Words(engine, parser);
    ASSERT_GE(words.size(), 3u);
    EXPECT_EQ(words[words.size() - 2], u"tailword");
    EXPECT_EQ(words.back(), u"next");
    // And the word at the end of the long line is selected where it is.
    parser.SetPosition(static_cast<std::int32_t>(longLine.size()), 1, spCursor);
    parser.SelectWord(8);
    EXPECT_EQ(SelectedText(window), u"tailword");
    DestroyWindow(window);
  }
}

TEST_P(WinAPIParserOnEachControl, GeometryOfTheSelectionAndTheControl) {
  HWND window = Host.Create(GetParam(), u"some words\r\nsecond line");
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  TRect control;
  parser.GetControlRect(control);
  RECT windowRect;
  GetWindowRect(window, &windowRect);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(control.Left, origin.x);
  EXPECT_EQ(control.Top, origin.y);
  EXPECT_EQ(control.Right - control.Left, windowRect.right - windowRect.left);

  parser.SetPosition(10, 0, spCursor);
  parser.SelectWord(5);
  TRect selection;
  parser.GetSelectionRect(selection);
  POINT start;
  parser.GetCharPoint(5, start);
  ClientToScreen(window, &start);
  EXPECT_EQ(selection.Left, start.x);
  EXPECT_EQ(selection.Top, start.y);
  EXPECT_GT(selection.Right, selection.Left);
  // Reaches at least the start of the next line.
  POINT next;
  parser.GetCharPoint(static_cast<std::int32_t>(SendMessageW(window, EM_LINEINDEX, 1, 0)), next);
  ClientToScreen(window, &next);
  EXPECT_GE(selection.Bottom, next.y);
  EXPECT_GT(next.y, start.y);
}

INSTANTIATE_TEST_SUITE_P(Controls, WinAPIParserOnEachControl,
                         ::testing::Values(TKind::Edit, TKind::RichEdit20, TKind::RichEdit50),
                         [](const ::testing::TestParamInfo<TKind>& info) { return NameOf(info.param); });

TEST(WinAPIParser, WordWrappedControlsAreReadByTheirDisplayLines) {
  // Soft line breaks have no characters: the parser falls back to reading line by line and
  // still sees every word where the control has it.
  THost host;
  std::u16string paragraph;
  for (int i = 0; i < 300; ++i) paragraph += u"word" + U16(std::to_string(i)) + u" ";
  const std::u16string text = u"short first line\r\n" + paragraph + u"\r\nlast";
  TMainParsingEngine engine;
  std::u16string copy = text;
  TStringParser stringParser;
  stringParser.Initialize(copy);
  const auto expected = Words(engine, stringParser);

  auto* memo = new TMemo(&host.Form());
  auto* rich = new TRichEdit(&host.Form());
  for (TMemo* control : std::vector<TMemo*>{memo, rich}) {
    control->SetParent(&host.Form());
    control->SetBounds(0, 0, 200, 300);
    control->SetText(text);
    ASSERT_GT(control->Perform(EM_GETLINECOUNT, 0, 0), 10);
    TWinAPIControlParser parser;
    parser.Initialize(control);
    EXPECT_EQ(Words(engine, parser), expected);
    // The last word before "last" is selected where the control has it.
    parser.SetPosition(0, 0, spCursor);
    std::u16string word;
    for (;;) {
      engine.GetNextWord(&parser, word);
      if (word == u"word299") break;
      ASSERT_FALSE(word.empty());
    }
    parser.SelectWord(7);
    EXPECT_EQ(SelectedText(control->Handle()), u"word299");
  }
}

TEST(WinAPIParser, ReadAheadStaysCorrectAfterReplacementsAcrossBlocks) {
  THost host;
  std::u16string text;
  for (int i = 0; i < 700; ++i) text += u"line" + U16(std::to_string(i)) + u" teh end\r\n";
  for (TKind kind : {TKind::Edit, TKind::RichEdit50}) {
    HWND window = host.Create(kind, text);
    TWinAPIControlParser parser;
    parser.AttachHandle(window);
    TMainParsingEngine engine;
    engine.PositionParser(&parser, ckEntireText);
    int replaced = 0;
    for (std::u16string word;;) {
      engine.GetNextWord(&parser, word);
      if (word.empty()) break;
      if (word == u"teh") {
        parser.SelectWord(3);
        parser.ReplaceWord(replaced % 2 ? u"the" : u"thee", rsChange);
        ++replaced;
      }
    }
    EXPECT_EQ(replaced, 700);
    std::u16string expectedText;
    for (int i = 0; i < 700; ++i) expectedText += u"line" + U16(std::to_string(i)) + (i % 2 ? u" the end\r\n" : u" thee end\r\n");
    EXPECT_TRUE(ControlText(window) == expectedText) << NameOf(kind);
    DestroyWindow(window);
  }
}

TEST(WinAPIParser, EndBoundComparesLineFirstThenColumn) {
  THost host;
  std::u16string text;
  for (int i = 0; i < 7; ++i) text += u"abcdefgh\r\n";
  TWinAPIControlParser parser;
  parser.AttachHandle(host.Create(TKind::Edit, text));
  parser.SetPosition(3, 2, spEndBound);
  const auto valid = [&](std::int32_t x, std::int32_t y) {
    parser.SetPosition(x, y, spCursor);
    return parser.ValidatePosition();
  };
  EXPECT_TRUE(valid(3, 2));
  EXPECT_TRUE(valid(7, 1));
  EXPECT_FALSE(valid(4, 2));
  EXPECT_FALSE(valid(4, 5));
  // A later line is past the bound whatever its column.
  EXPECT_FALSE(valid(2, 5));
  EXPECT_FALSE(valid(0, 3));
}

TEST(WinAPIParser, ControlKindFollowsTheClassNameAndTheRichEditProbe) {
  THost host;
  TWinAPIControlParser parser;
  parser.AttachHandle(host.Create(TKind::RichEdit20, u"x"));
  EXPECT_EQ(parser.ControlKind(), ckRichEdit2);
  parser.AttachHandle(host.Create(TKind::RichEdit50, u"x"));
  EXPECT_EQ(parser.ControlKind(), ckRichEdit);
  parser.AttachHandle(host.Create(TKind::Edit, u"x"));
  EXPECT_EQ(parser.ControlKind(), ckPlainEdit);

  auto* memo = new TMemo(&host.Form());
  memo->SetParent(&host.Form());
  auto* rich = new TRichEdit(&host.Form());
  rich->SetParent(&host.Form());
  parser.Initialize(memo);
  EXPECT_EQ(parser.ControlKind(), ckPlainEdit);
  EXPECT_EQ(parser.GetControl(), memo);
  parser.Initialize(rich);
  EXPECT_EQ(parser.ControlKind(), ckRichEdit);
  TWinAPIControlParser byHandle;
  byHandle.AttachHandle(rich->Handle());
  EXPECT_EQ(byHandle.GetControl(), nullptr);
  EXPECT_EQ(byHandle.ControlKind(), ckRichEdit);

  // A memo of some other make that answers EM_EXGETSEL is taken for a rich edit.
  WNDCLASSW wc{};
  wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == EM_GETLINECOUNT) return 1;
    if (m == EM_EXGETSEL) {
      *reinterpret_cast<CHARRANGE*>(l) = CHARRANGE{0, 0};
      return 0;
    }
    return DefWindowProcW(h, m, w, l);
  };
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TMemoOfAnotherMake";
  RegisterClassW(&wc);
  HWND other = CreateWindowExW(0, L"TMemoOfAnotherMake", L"", WS_CHILD, 0, 0, 10, 10, host.Form().Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  parser.AttachHandle(other);
  EXPECT_EQ(parser.ControlKind(), ckRichEdit);
}

TEST(WinAPIParser, AControlThatCannotHaveAWindowReadsAsEmpty) {
  TMemo orphan(nullptr);
  orphan.SetText(u"text");
  TWinAPIControlParser parser;
  parser.Initialize(&orphan);
  EXPECT_EQ(parser.Window(), nullptr);
  EXPECT_EQ(parser.GetControl(), &orphan);
  EXPECT_EQ(parser.GetChar(), 0);
  EXPECT_FALSE(parser.MoveNext());
  std::u16string text;
  parser.Initialize(TParserTarget(text));  // not a control: nothing to read either
  EXPECT_EQ(parser.GetControl(), nullptr);
  EXPECT_EQ(parser.GetChar(), 0);
}

TEST(WinAPIParser, ContainerGivesItsFirstEditChild) {
  THost host;
  HWND container = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 300, host.Form().Handle(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND label = CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, container, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"inner text", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 30, 200, 100,
                              container, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(label && edit);
  TWinAPIControlParser parser;
  parser.AttachHandle(container);
  EXPECT_EQ(parser.Window(), edit);
  EXPECT_EQ(Walk(parser), u"inner text\r\n");

  // A window with no edit anywhere reads nothing.
  parser.AttachHandle(label);
  EXPECT_EQ(parser.LineCount(), 0);
  EXPECT_EQ(parser.GetChar(), 0);
  EXPECT_FALSE(parser.MoveNext());
  std::u16string line = u"stale";
  parser.GetLine(line);
  EXPECT_EQ(line, u"");
}

TEST(WinAPIParser, CenterSelectionScrollsTheWordIntoTheMiddleAndKeepsTheSelection) {
  THost host;
  std::u16string text;
  for (int i = 0; i < 200; ++i) text += u"line " + U16(std::to_string(i)) + u"\r\n";
  HWND window = host.Create(TKind::Edit, text);
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  parser.SetPosition(4, 150, spCursor);
  parser.SelectWord(4);
  parser.CenterSelection();
  const auto first = static_cast<int>(SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_GT(first, 120);
  EXPECT_LE(first, 150);
  EXPECT_EQ(SelectedText(window), u"line");
  DWORD start = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  EXPECT_EQ(static_cast<LRESULT>(start), SendMessageW(window, EM_LINEINDEX, 150, 0));
}

TEST(WinAPIParser, CharPointOfAPlainEditIsSignedWhenScrolledOutOfView) {
  THost host;
  std::u16string text;
  for (int i = 0; i < 100; ++i) text += u"row\r\n";
  HWND window = host.Create(TKind::Edit, text);
  SendMessageW(window, EM_LINESCROLL, 0, 50);
  TWinAPIControlParser parser;
  parser.AttachHandle(window);
  POINT point;
  parser.GetCharPoint(0, point);
  const LRESULT raw = SendMessageW(window, EM_POSFROMCHAR, 0, 0);
  if (raw != -1) {
    EXPECT_LT(point.y, 0);
  }
  parser.GetCharPoint(static_cast<std::int32_t>(SendMessageW(window, EM_LINEINDEX, 60, 0)), point);
  EXPECT_GT(point.y, 0);
}

}  // namespace
}  // namespace lexoro
