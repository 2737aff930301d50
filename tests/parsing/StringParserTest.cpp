#include <gtest/gtest.h>

#include "lexoro/parsing/ox3StringParser.h"

namespace lexoro {
namespace {

// The codes of the interface do not pass for one another, nor do plain numbers for them, and
// a string parser takes nothing but a string it may edit.
template <typename Target>
concept StringParserTakes = requires(TStringParser& p, Target t) { p.Initialize(t); };
template <typename State>
concept ReplaceTakes = requires(TControlParser& p, State s) { p.ReplaceWord(u"", s); };
template <typename State>
concept IgnoreTakes = requires(TControlParser& p, State s) { p.IgnoreWord(s); };
template <typename Kind>
concept SetPositionTakes = requires(TControlParser& p, Kind k) { p.SetPosition(0, 0, k); };
static_assert(StringParserTakes<std::u16string&>);
static_assert(!StringParserTakes<const std::u16string&>);
static_assert(!StringParserTakes<TObject*>);
static_assert(ReplaceTakes<TReplaceState> && !ReplaceTakes<TIgnoreState> && !ReplaceTakes<std::int32_t>);
static_assert(IgnoreTakes<TIgnoreState> && !IgnoreTakes<TReplaceState> && !IgnoreTakes<std::int32_t>);
static_assert(SetPositionTakes<TPositionKind> && !SetPositionTakes<std::int32_t>);

TEST(StringParser, AnObjectTargetLeavesItWithoutText) {
  TStringList object;
  TStringParser p;
  p.Initialize(TParserTarget(&object));
  EXPECT_EQ(p.GetChar(), 0);
  EXPECT_FALSE(p.MoveNext());
  p.SelectWord(0);
  p.ReplaceWord(u"x", rsChange);
  std::u16string line = u"left as it was";
  p.GetLine(line);
  EXPECT_EQ(line, u"");
}

TEST(StringParser, UndoDataIsReadBackOnlyAsTheTypeStored) {
  TUndoData data;
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.Get<int>(), nullptr);
  TStringList object;
  data.Set(static_cast<TObject*>(&object));
  ASSERT_NE(data.Get<TObject*>(), nullptr);
  EXPECT_EQ(*data.Get<TObject*>(), &object);  // a pointer keeps all its bits
  EXPECT_EQ(data.Get<std::int32_t>(), nullptr);
  data.Set(std::int32_t{42});
  EXPECT_EQ(data.Get<TObject*>(), nullptr);
  EXPECT_EQ(*data.Get<std::int32_t>(), 42);
}

TEST(StringParser, EmptyStringEndsAtOnce) {
  std::u16string s;
  TStringParser p;
  p.Initialize(s);
  EXPECT_EQ(p.GetChar(), 0);
  EXPECT_FALSE(p.MoveNext());
}

TEST(StringParser, OneStepPastTheLastCharacterStillSucceeds) {
  std::u16string s = u"cat";
  TStringParser p;
  p.Initialize(s);
  EXPECT_EQ(p.GetChar(), u'c');
  EXPECT_TRUE(p.MoveNext());
  EXPECT_TRUE(p.MoveNext());
  EXPECT_EQ(p.GetChar(), u't');
  EXPECT_TRUE(p.MoveNext());
  EXPECT_EQ(p.GetChar(), 0);
  EXPECT_FALSE(p.MoveNext());
}

TEST(StringParser, EndBoundStopsTheCursor) {
  std::u16string s = u"abcdef";
  TStringParser p;
  p.Initialize(s);
  p.SetPosition(3, 0, spEndBound);
  EXPECT_TRUE(p.MoveNext());
  EXPECT_TRUE(p.MoveNext());
  EXPECT_FALSE(p.MoveNext());
  std::int32_t x, y;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 4);
  EXPECT_EQ(p.GetChar(), 0);  // nothing is read beyond the bound
  EXPECT_TRUE(p.MovePrevious());
  EXPECT_EQ(p.GetChar(), u'c');
  EXPECT_EQ(y, 0);
}

TEST(StringParser, PositionsAndMovesAreClamped) {
  std::u16string s = u"ab";
  TStringParser p;
  p.Initialize(s);
  EXPECT_FALSE(p.MovePrevious());
  p.SetPosition(-5, 7, spCursor);
  std::int32_t x, y;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 1);
  p.SetPosition(2, 0, static_cast<TPositionKind>(9));  // an unknown kind does nothing
  p.GetPosition(x, y);
  EXPECT_EQ(x, 1);
}

TEST(StringParser, ReplaceMovesTheEndBoundAndTheCursor) {
  std::u16string s = u"one teh two";
  TStringParser p;
  p.Initialize(s);
  p.SetPosition(20, 0, spEndBound);
  p.SetPosition(8, 0, spCursor);  // just after "teh"
  p.SelectWord(3);
  std::int32_t x, y;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 5);
  p.ReplaceWord(u"these", rsChange);
  EXPECT_EQ(s, u"one these two");
  p.GetPosition(x, y);
  EXPECT_EQ(x, 10);
}

TEST(StringParser, ReplacingAFourCharacterWordBySixMovesTheBoundTwoRight) {
  std::u16string s = u"abcd efgh";
  TStringParser p;
  p.Initialize(s);
  p.SetPosition(7, 0, spEndBound);
  p.SetPosition(5, 0, spCursor);
  p.SelectWord(4);
  p.ReplaceWord(u"ABCDEF", rsChange);
  EXPECT_EQ(s, u"ABCDEF efgh");
  std::int32_t x, y;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 7);
  EXPECT_TRUE(p.MoveNext());   // 8
  EXPECT_TRUE(p.MoveNext());   // 9 = old bound 7 + 2
  EXPECT_FALSE(p.MoveNext());  // 10
}

TEST(StringParser, IgnoreSkipsTheSelectionAndGeometryIsUnknown) {
  std::u16string s = u"word rest";
  TStringParser p;
  p.Initialize(s);
  p.SetPosition(5, 0, spCursor);
  p.SelectWord(4);
  p.IgnoreWord(isIgnoreOnce);
  std::int32_t x, y, ex, ey;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 5);
  p.GetSelection(x, y, ex, ey);
  EXPECT_EQ(x, ex);
  TRect r;
  p.GetControlRect(r);
  EXPECT_EQ(r, (TRect{-1, -1, -1, -1}));
  p.GetSelectionRect(r);
  EXPECT_EQ(r, (TRect{-1, -1, -1, -1}));
}

TEST(StringParser, StaleSelectionCannotReachPastTheString) {
  std::u16string s = u"abc";
  TStringParser p;
  p.Initialize(s);
  p.SetPosition(3, 0, spCursor);
  p.SelectWord(10);  // cursor would go before the start
  p.ReplaceWord(u"x", rsChange);
  EXPECT_EQ(s, u"x");
}

}  // namespace
}  // namespace lexoro
