#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolsapi/ExpertIntf.h"
#include "toolsapi/ToolIntf.h"

namespace {

// An interface that writes its destruction into a shared log.
class TLoggedIntf : public TInterface {
 public:
  TLoggedIntf(std::string name, std::vector<std::string>& log)
      : FName(std::move(name)), FLog(log) {}

 protected:
  ~TLoggedIntf() override { FLog.push_back(FName); }

 private:
  std::string FName;
  std::vector<std::string>& FLog;
};

class TTestExpert : public TIExpert {
 public:
  explicit TTestExpert(bool& destroyed) : FDestroyed(destroyed) {}
  std::string GetName() override { return "Test Expert"; }
  TExpertStyle GetStyle() override { return esAddIn; }
  TExpertState GetState() override { return {esEnabled}; }
  std::string GetIDString() override { return "Tests.Expert"; }
  std::string GetMenuText() override { return "Test..."; }
  void Execute() override {}

 protected:
  ~TTestExpert() override { FDestroyed = true; }

 private:
  bool& FDestroyed;
};

TEST(InterfaceTest, TheLastReleaseDeletesTheObject) {
  std::vector<std::string> log;
  auto* intf = new TLoggedIntf("a", log);
  EXPECT_EQ(intf->AddRef(), 2);
  EXPECT_EQ(intf->Release(), 1);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(intf->Release(), 0);
  EXPECT_EQ(log, std::vector<std::string>{"a"});
}

// Interfaces obtained one after the other are given back innermost first, also when a later
// step raises.
TEST(InterfaceTest, HeldReferencesAreReleasedInnermostFirstWhenAnExceptionPasses) {
  std::vector<std::string> log;
  EXPECT_THROW(
      {
        TInterfaceRef<TInterface> menu(new TLoggedIntf("menu", log));
        TInterfaceRef<TInterface> items(new TLoggedIntf("items", log));
        TInterfaceRef<TInterface> item(new TLoggedIntf("item", log));
        throw EInvalidOperation("the IDE refused");
      },
      EInvalidOperation);
  EXPECT_EQ(log, (std::vector<std::string>{"item", "items", "menu"}));

  TInterfaceRef<TInterface> kept(new TLoggedIntf("kept", log));
  TInterface* detached = kept.Detach();
  kept.Reset(new TLoggedIntf("other", log));
  kept = TInterfaceRef<TInterface>();
  EXPECT_EQ(log.back(), "other");
  detached->Release();
  EXPECT_EQ(log.back(), "kept");
}

TEST(ExpertIntfTest, RegisteringHandsTheExpertToTheIdeOrReleasesIt) {
  bool destroyed = false;
  EXPECT_THROW(RegisterLibraryExpert(new TTestExpert(destroyed)), EInvalidOperation);
  EXPECT_TRUE(destroyed);

  std::vector<TIExpert*> received;
  SetLibraryExpertProc([&](TIExpert* expert) { received.push_back(expert); });
  destroyed = false;
  RegisterLibraryExpert(new TTestExpert(destroyed));
  SetLibraryExpertProc(nullptr);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(received[0]->GetIDString(), "Tests.Expert");
  EXPECT_THROW(received[0]->GetAuthor(), EAbstractError);
  EXPECT_THROW(received[0]->GetGlyph(), EAbstractError);
  received[0]->Release();
  EXPECT_TRUE(destroyed);
}

TEST(ExpertIntfTest, ValuesHaveThePlatformsNumbers) {
  EXPECT_EQ(static_cast<int>(esAddIn), 3);
  EXPECT_EQ(TExpertState{esEnabled}.Bits(), 1u);
  EXPECT_EQ((TIMenuFlags{mfEnabled, mfVisible}.Bits()), 6u);
  EXPECT_EQ(ToolServices(), nullptr);
}

}  // namespace
