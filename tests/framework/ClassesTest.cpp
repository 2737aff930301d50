#include <gtest/gtest.h>

#include "lexoro/framework/ox3Classes.h"

namespace lexoro {
namespace {

struct TTracked : TComponent {
  explicit TTracked(TComponent* owner, std::vector<std::string>* log = nullptr, std::string name = "")
      : TComponent(owner), Log(log), Label(std::move(name)) {}
  ~TTracked() override {
    if (Log) Log->push_back("free " + Label);
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove && c == Linked) Linked = nullptr;
  }
  std::vector<std::string>* Log;
  std::string Label;
  TComponent* Linked = nullptr;
};

TEST(Component, OwnerFreesOwnedComponentsAndLetsGoOfRemovedOnes) {
  std::vector<std::string> log;
  auto* owner = new TTracked(nullptr, &log, "owner");
  new TTracked(owner, &log, "a");
  auto* b = new TTracked(owner, &log, "b");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(b->Owner(), owner);
  owner->RemoveComponent(b);
  EXPECT_EQ(b->Owner(), nullptr);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"free owner", "free a"}));
  delete b;
}

TEST(Component, FreeNotificationClearsReferencesBothWays) {
  TTracked holder(nullptr);
  auto* target = new TTracked(nullptr);
  holder.Linked = target;
  target->FreeNotification(&holder);
  delete target;
  EXPECT_EQ(holder.Linked, nullptr);

  auto* other = new TTracked(nullptr);
  TTracked keeper(nullptr);
  keeper.Linked = other;
  other->FreeNotification(&keeper);
  other->RemoveFreeNotification(&keeper);
  delete other;
  EXPECT_NE(keeper.Linked, nullptr);  // no longer told
}

TEST(Component, StateNameAndTag) {
  TComponent c(nullptr);
  c.SetName(u"Spell1");
  c.SetTag(7);
  c.SetDesigning(true);
  EXPECT_TRUE(c.IsDesigning());
  EXPECT_FALSE(c.IsLoading());
  c.SetDesigning(false);
  EXPECT_EQ(c.ComponentState(), 0u);
  EXPECT_EQ(c.Name(), u"Spell1");
  EXPECT_EQ(c.Tag(), 7);
}

TEST(StringList, SortedIgnoresDuplicatesWithoutRegardToCase) {
  TStringList list;
  list.SetSorted(true);
  EXPECT_EQ(list.Add(u"delta"), 0);
  list.Add(u"Alpha");
  list.Add(u"charlie");
  EXPECT_EQ(list.Add(u"ALPHA"), 0);  // ignored, existing index
  EXPECT_EQ(list.Items(), (std::vector<std::u16string>{u"Alpha", u"charlie", u"delta"}));
  EXPECT_EQ(list.IndexOf(u"CHARLIE"), 1);
  EXPECT_EQ(list.IndexOf(u"echo"), -1);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add(u"delta"), std::invalid_argument);
  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add(u"delta");
  EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, ChangeNotificationsAndUpdates) {
  TStringList list;
  int changes = 0;
  list.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  });
  list.Add(u"a");
  list.Insert(0, u"b");
  list.Move(0, 1);
  list.Delete(5);  // out of range: nothing
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(list.Items(), (std::vector<std::u16string>{u"a", u"b"}));
  list.BeginUpdate();
  list.Add(u"c");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changes, 4);
  list.Clear();
  list.Clear();  // already empty: no change
  EXPECT_EQ(changes, 5);
}

TEST(StringList, AssignCopiesStringsNotSettings) {
  TStringList source{u"x", u"y"};
  TStringList target;
  int changes = 0;
  target.SetOnChange([&](TObject*) { ++changes; });
  target.Assign(source);
  EXPECT_EQ(target, source);
  EXPECT_EQ(changes, 1);
  source.Add(u"z");
  EXPECT_EQ(target.Count(), 2);  // a copy
  target.SetText(u"one\r\ntwo\nthree\r\r\n");
  EXPECT_EQ(target.Items(), (std::vector<std::u16string>{u"one", u"two", u"three", u""}));
  EXPECT_EQ(TStringList({u"a", u"b"}).Text(), u"a\r\nb\r\n");
}

TEST(NotifyList, ListenersMayLeaveAndJoinWhileTheListNotifies) {
  TNotifyList list;
  std::vector<std::string> calls;
  int a = 0, b = 0, c = 0, d = 0;
  list.Add(&a, [&](TObject*) {
    calls.push_back("a");
    list.Remove(&b);  // b leaves before its turn: not called
    list.Add(&d, [&](TObject*) { calls.push_back("d"); });  // joins: from the next round on
  });
  list.Add(&b, [&](TObject*) { calls.push_back("b"); });
  list.Add(&c, [&](TObject*) { calls.push_back("c"); });
  list.Notify(nullptr);
  EXPECT_EQ(calls, (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(list.Count(), 3);
  EXPECT_FALSE(list.Contains(&b));

  calls.clear();
  list.Add(&c, [&](TObject*) { calls.push_back("c2"); });  // a key present keeps its place
  list.Remove(&a);
  list.Notify(nullptr);
  EXPECT_EQ(calls, (std::vector<std::string>{"c2", "d"}));
}

}  // namespace
}  // namespace lexoro
