// Feeds arbitrary text to the form reader: it must either build a tree or raise EReadError,
// never crash, leak or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/ClassRegistry.h"
#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "graphics/Color.h"
#include "streaming/Reader.h"

namespace {
enum TFuzzKind : uint8_t { fkOne, fkTwo, fkThree };
PUBLISHED_ENUM(TFuzzKind, fkOne, fkTwo, fkThree)
using TFuzzKinds = TSet<TFuzzKind>;
PUBLISHED_SET(TFuzzKinds, TFuzzKind)

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

 private:
  TStringList* FLines;
};
}  // namespace

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
  PROPERTY(Link, Link, Link);
  PROPERTY(OnEvent, OnEvent, OnEvent);
  METHOD(Handler);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    RegisterClasses({TComponent::StaticClass(), TFuzzComponent::StaticClass()});
    return true;
  }();
  (void)registered;
  try {
    TReader reader(std::string(reinterpret_cast<const char*>(data), size));
    TComponent* root = reader.ReadRootComponent(nullptr);
    root->Free();
  } catch (const EReadError&) {
  }
  return 0;
}
