#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Component.h"
#include "core/Exception.h"
#include "core/List.h"
#include "core/Module.h"
#include "core/StringList.h"

namespace {
std::vector<std::string> Items(const TStrings& strings) {
  std::vector<std::string> items;
  for (int i = 0; i < strings.GetCount(); ++i)
    items.push_back(strings.Get(i));
  return items;
}

class TChangeCounter : public TObject {
  DECLARE_CLASS(TChangeCounter, TObject);

 public:
  TChangeCounter() = default;
  void Changing(TObject*) { Log += '<'; }
  void Changed(TObject*) { Log += '>'; }
  std::string Log;
};
}  // namespace

IMPLEMENT_CLASS(TChangeCounter) {}

TEST(StringListTest, SortedListsKeepCaseInsensitiveOrder) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "banana", "apricot"})
    list.Add(s);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Apple", "apricot", "banana", "pear"}));
  int index = -1;
  EXPECT_TRUE(list.Find("BANANA", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("blueberry", index));
  EXPECT_EQ(index, 3);  // where it would go
  EXPECT_EQ(list.IndexOf("PEAR"), 3);
  EXPECT_EQ(list.IndexOf("plum"), -1);
  EXPECT_THROW(list.Insert(0, "fig"), EStringListError);
  EXPECT_THROW(list.Put(0, "fig"), EStringListError);
}

TEST(StringListTest, SortingAnUnsortedListAndTurningSortedOn) {
  TStringList list;
  list.SetCommaText("c,B,a,b");
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "B", "b", "c"}));  // stable for equals
}

TEST(StringListTest, DuplicatesAreIgnoredAcceptedOrRefused) {
  TStringList list;
  list.SetSorted(true);
  list.Add("Name");
  EXPECT_EQ(list.Add("NAME"), 0);  // ignored: the index of the one present
  EXPECT_EQ(list.GetCount(), 1);
  list.SetDuplicates(dupAccept);
  list.Add("NAME");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Name", "NAME"}));
  list.SetDuplicates(dupError);
  try {
    list.Add("name");
    ADD_FAILURE();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.GetMessage(), "String list does not allow duplicates");
  }
  EXPECT_EQ(list.GetCount(), 2);
}

TEST(StringListTest, ObjectsTravelWithTheirStrings) {
  TStringList list;
  TStringList a, b;
  list.AddObject("b", &b);
  list.AddObject("a", &a);
  list.SetSorted(true);
  EXPECT_EQ(list.GetObject(0), &a);
  EXPECT_EQ(list.IndexOfObject(&b), 1);
  list.SetSorted(false);
  list.Exchange(0, 1);
  EXPECT_EQ(list.Get(0), "b");
  EXPECT_EQ(list.GetObject(0), &b);
  list.Move(0, 1);
  EXPECT_EQ(list.GetObject(1), &b);
}

TEST(StringListTest, IndexErrorsNameTheIndex) {
  TStringList list;
  list.Add("only");
  for (int bad : {-1, 1, 7}) {
    try {
      list.Get(bad);
      ADD_FAILURE();
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.GetMessage(), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
  EXPECT_THROW(list.Delete(1), EStringListError);
  EXPECT_THROW(list.Insert(3, "x"), EStringListError);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"only"}));
}

TEST(StringListTest, TextSplitsLinesOfEveryConvention) {
  TStringList list;
  list.SetText("one\ntwo\r\nthree\rfour\n");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(list.GetText(), "one\ntwo\nthree\nfour\n");
  list.SetText("a\n\nb");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "", "b"}));
  list.SetText("");
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(StringListTest, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  list.SetCommaText("alpha, \"two words\",\"say \"\"hi\"\"\",,last");
  EXPECT_EQ(Items(list),
            (std::vector<std::string>{"alpha", "two words", "say \"hi\"", "", "last"}));
  EXPECT_EQ(list.GetCommaText(), "alpha,\"two words\",\"say \"\"hi\"\"\",\"\",last");
  TStringList again;
  again.SetCommaText(list.GetCommaText());
  EXPECT_TRUE(again.Equals(&list));
  list.SetCommaText("a b");  // blanks separate too
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b"}));
}

TEST(StringListTest, NamesAndValues) {
  TStringList list;
  list.SetText("Font=Arial\nSize=10\n");
  EXPECT_EQ(list.GetValue("size"), "10");
  EXPECT_EQ(list.GetName(0), "Font");
  EXPECT_EQ(list.IndexOfName("Missing"), -1);
  list.SetValue("Size", "12");
  list.SetValue("Color", "clRed");
  list.SetValue("Font", "");
  EXPECT_EQ(list.GetText(), "Size=12\nColor=clRed\n");
}

TEST(StringListTest, ChangeEventsFireOncePerChangeAndOncePerBatch) {
  TStringList list;
  TChangeCounter counter;
  list.SetOnChanging(MakeMethod<&TChangeCounter::Changing>(&counter));
  list.SetOnChange(MakeMethod<&TChangeCounter::Changed>(&counter));
  list.Add("a");
  list.Delete(0);
  EXPECT_EQ(counter.Log, "<><>");
  counter.Log.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("x");
  list.Add("y");
  list.EndUpdate();
  EXPECT_EQ(counter.Log, "<");
  list.EndUpdate();
  EXPECT_EQ(counter.Log, "<>");
  counter.Log.clear();
  list.SetText("p\nq\n");  // a batch of its own
  EXPECT_EQ(counter.Log, "<>");
}

TEST(StringListTest, AssignCopiesStringsAndRefusesOtherClasses) {
  TStringList source;
  source.SetCommaText("x,y");
  TStringList target;
  target.Add("old");
  target.Assign(&source);
  EXPECT_EQ(Items(target), (std::vector<std::string>{"x", "y"}));
  TList notStrings;
  TComponent component(nullptr);
  try {
    target.Assign(&component);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.GetMessage(), "Cannot assign a TComponent to a TStringList");
  }
  EXPECT_EQ(target.GetCount(), 2);
}

TEST(ListTest, PointersByIndexWithErrorsThatNameTheIndex) {
  TList list;
  int a = 1, b = 2, c = 3;
  list.Add(&a);
  list.Add(&b);
  list.Insert(0, &c);
  EXPECT_EQ(list.Get(0), &c);
  EXPECT_EQ(list.IndexOf(&b), 2);
  EXPECT_EQ(list.Remove(&a), 1);
  EXPECT_EQ(list.Remove(&a), -1);
  list.Add(nullptr);
  list.Pack();
  EXPECT_EQ(list.GetCount(), 2);
  try {
    list.Get(2);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(), "List index out of bounds (2)");
  }
  list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
  EXPECT_EQ(list.First(), &b);
  EXPECT_EQ(list.Last(), &c);
}

namespace {
// A change handler that refuses every change once armed.
class TRefusingHandler : public TObject {
  DECLARE_CLASS(TRefusingHandler, TObject);

 public:
  TRefusingHandler() = default;
  void Changed(TObject* sender) {
    ++Calls;
    if (Armed) throw EStringListError("Duplicate entry");
  }
  bool Armed = true;
  int Calls = 0;
};
}  // namespace

IMPLEMENT_CLASS(TRefusingHandler) {}

TEST(StringListTest, ARefusedChangeReachesTheCallerWithTheUpdateCountRestored) {
  TStringList list;
  TRefusingHandler handler;
  list.SetOnChange(MakeMethod<&TRefusingHandler::Changed>(&handler));
  EXPECT_THROW(list.SetText("a\nb\n"), EStringListError);
  EXPECT_EQ(list.GetUpdateCount(), 0);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b"}));
  TStringList source;
  source.SetText("c\n");
  EXPECT_THROW(list.Assign(&source), EStringListError);
  EXPECT_EQ(list.GetUpdateCount(), 0);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("d");
  EXPECT_NO_THROW(list.EndUpdate());
  EXPECT_THROW(list.EndUpdate(), EStringListError);
  EXPECT_EQ(list.GetUpdateCount(), 0);
  // The list goes on notifying once the handler accepts again.
  handler.Armed = false;
  handler.Calls = 0;
  list.SetText("e\n");
  EXPECT_EQ(handler.Calls, 1);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"e"}));
}

TEST(StringListTest, AnExceptionInsideABatchWinsOverTheNotificationsOwn) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  TRefusingHandler changing;
  TRefusingHandler changed;
  list.SetOnChanging(MakeMethod<&TRefusingHandler::Changed>(&changing));
  list.SetOnChange(MakeMethod<&TRefusingHandler::Changed>(&changed));
  // A refusal before the batch stops it before it begins.
  EXPECT_THROW(list.SetText("x\n"), EStringListError);
  EXPECT_EQ(list.GetUpdateCount(), 0);
  EXPECT_EQ(changed.Calls, 0);
  changing.Armed = false;
  try {
    list.SetText("x\nX\n");  // a duplicate on a sorted list raises inside the batch
    ADD_FAILURE();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.GetMessage(), "String list does not allow duplicates");
  }
  EXPECT_EQ(changed.Calls, 1);  // notified of the partial change all the same
  EXPECT_EQ(list.GetUpdateCount(), 0);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"x"}));
}
