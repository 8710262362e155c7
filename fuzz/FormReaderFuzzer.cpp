// Feeds arbitrary bytes to the form parsers and the reader, text and binary. Whatever the input:
// no crash, leak or out-of-bounds access; every refusal is an EReadError; a parsed tree prints
// back, as text and as binary, to the same tree; what the reader builds, the writer writes as
// text and binary that read back to the same components; and a failed read into an existing
// root leaves it as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/ClassRegistry.h"
#include "core/Collection.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "graphics/Color.h"
#include "streaming/BinaryForm.h"
#include "streaming/FormConversion.h"
#include "streaming/FormPrinter.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace {
enum TFuzzKind : uint8_t { fkOne, fkTwo, fkThree };
PUBLISHED_ENUM(TFuzzKind, fkOne, fkTwo, fkThree)
using TFuzzKinds = TSet<TFuzzKind>;
PUBLISHED_SET(TFuzzKinds, TFuzzKind)

class TFuzzComponent;

class TFuzzItem : public TCollectionItem {
  DECLARE_CLASS(TFuzzItem, TCollectionItem);

 public:
  TFuzzItem() = default;
  TOwnedCollection* GetItems() { return &FItems; }
  void SetItems(TOwnedCollection* value) { FItems.Assign(value); }
  std::string Text;
  int32_t Number = 0;
  TFuzzKind Kind = fkOne;
  TFuzzComponent* Link = nullptr;
  TNotifyEvent OnEvent;

 private:
  TOwnedCollection FItems{this, TFuzzItem::StaticClass()};
};

class TFuzzComponent : public TComponent {
  DECLARE_CLASS(TFuzzComponent, TComponent);

 public:
  explicit TFuzzComponent(TComponent* owner) : TComponent(owner), FLines(new TStringList) {}
  ~TFuzzComponent() override { FLines->Free(); }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    for (int i = 0; i < GetComponentCount(); ++i)
      proc(GetComponent(i));
  }
  TStrings* GetLines() const { return FLines; }
  void SetLines(TStrings* value) { FLines->Assign(value); }
  TOwnedCollection* GetItems() { return &FItems; }
  void SetItems(TOwnedCollection* value) { FItems.Assign(value); }
  void SetLink(TFuzzComponent* value) {
    Link = value;
    if (value) value->FreeNotification(this);
  }
  void Handler(TObject*) {}

  int32_t Number = 0;
  std::string Text;
  double Real = 0;
  bool Flag = false;
  char Letter = 'a';
  TFuzzKind Kind = fkOne;
  TFuzzKinds Kinds;
  TColor Color = clBlack;
  TFuzzComponent* Link = nullptr;
  TNotifyEvent OnEvent;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove && component == Link) Link = nullptr;
  }

 private:
  TStringList* FLines;
  TOwnedCollection FItems{this, TFuzzItem::StaticClass()};
};

[[noreturn]] void Fail() {
  __builtin_trap();
}

std::string WriteText(TComponent* root) {
  TWriter writer;
  writer.WriteRootComponent(root);
  return writer.GetText();
}

// A parsed tree prints back as text and as binary to the same tree.
void CheckTree(const std::string& input) {
  TFormObject tree;
  try {
    tree = ParseFormData(input);
  } catch (const EReadError&) {
    return;
  }
  if (!(ParseFormData(PrintForm(tree)) == tree)) Fail();
  std::string binary;
  try {
    binary = PrintBinaryForm(tree);
  } catch (const EWriteError&) {
    return;  // a name beyond the binary format's 255 bytes
  }
  if (!(ParseFormData(binary) == tree)) Fail();
}

// What the reader builds is written as text and binary that read back to the same components.
void CheckReadWriteRead(const std::string& input, bool skipUnknown) {
  TComponent* root = nullptr;
  try {
    TReader reader(input);
    if (skipUnknown) reader.SetOptions({roSkipUnknown});
    root = reader.ReadRootComponent(nullptr);
  } catch (const EReadError&) {
    return;
  }
  TWriter writer;
  try {
    writer.WriteRootComponent(root);
  } catch (const EWriteError&) {
    root->Free();
    return;
  }
  root->Free();
  for (const std::string& data : {writer.GetText(), writer.GetBinary()}) {
    TComponent* copy = TReader(data).ReadRootComponent(nullptr);  // must not fail
    const std::string again = WriteText(copy);
    copy->Free();
    if (again != writer.GetText()) Fail();
  }
}

// A failed read into an existing root, with an existing child, leaves both as they were.
void CheckFailedReadChangesNothing(const std::string& input) {
  TFuzzComponent root(nullptr);
  root.SetName("Root");
  root.Number = 5;
  root.GetLines()->SetText("a\nb\n");
  static_cast<TFuzzItem*>(root.GetItems()->Add())->Text = "item";
  auto* child = new TFuzzComponent(&root);
  child->SetName("Child");
  child->Text = "child";
  child->SetLink(&root);
  child->OnEvent = MakeMethod<&TFuzzComponent::Handler>(&root);
  const std::string before = WriteText(&root);
  try {
    TReader(input).ReadRootComponent(&root);
  } catch (const EReadError&) {
    if (WriteText(&root) != before) Fail();
  }
}
}  // namespace

IMPLEMENT_CLASS(TFuzzItem) {
  PROPERTY(Text, Text, Text);
  PROPERTY(Number, Number, Number).Default(0);
  PROPERTY(Kind, Kind, Kind).Default(fkOne);
  PROPERTY(Link, Link, Link);
  PROPERTY(OnEvent, OnEvent, OnEvent);
  PROPERTY(Items, GetItems, SetItems);
}

IMPLEMENT_CLASS(TFuzzComponent) {
  PROPERTY(Number, Number, Number);
  PROPERTY(Text, Text, Text);
  PROPERTY(Real, Real, Real);
  PROPERTY(Flag, Flag, Flag);
  PROPERTY(Letter, Letter, Letter);
  PROPERTY(Kind, Kind, Kind);
  PROPERTY(Kinds, Kinds, Kinds);
  PROPERTY(Color, Color, Color);
  PROPERTY(Lines, GetLines, SetLines);
  PROPERTY(Items, GetItems, SetItems);
  PROPERTY(Link, Link, SetLink);
  PROPERTY(OnEvent, OnEvent, OnEvent);
  METHOD(Handler);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    RegisterClasses({TComponent::StaticClass(), TFuzzComponent::StaticClass()});
    return true;
  }();
  (void)registered;
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckTree(input);
  CheckReadWriteRead(input, size % 2 == 1);
  CheckFailedReadChangesNothing(input);
  return 0;
}
