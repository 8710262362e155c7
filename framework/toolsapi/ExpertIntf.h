#pragma once

#include <functional>
#include <string>

#include "core/Exception.h"
#include "core/Set.h"
#include "toolsapi/Interface.h"
#include "types/WinTypes.h"

// The kinds of expert the IDE knows; an add-in expert adds its own commands to the IDE.
// Raised by an expert operation that the expert's class leaves unimplemented.
DECLARE_EXCEPTION(EAbstractError, Exception);

enum TExpertStyle : uint8_t { esStandard, esForm, esProject, esAddIn };

enum TExpertStateItem : uint8_t { esEnabled, esChecked };
using TExpertState = TSet<TExpertStateItem>;

// An object that an add-in package hands to the IDE. The IDE asks it for its name, style and
// state, and destroys it when it unloads the package or shuts down. Operations that only some
// styles use raise EAbstractError unless a descendant implements them.
class TIExpert : public TInterface {
 public:
  virtual std::string GetName() = 0;
  // Used for standard, form and project experts only.
  virtual std::string GetAuthor();
  virtual std::string GetComment();
  virtual std::string GetPage();
  virtual HICON GetGlyph();
  virtual TExpertStyle GetStyle() = 0;
  virtual TExpertState GetState() = 0;
  // A unique identification, such as "Company.Product".
  virtual std::string GetIDString() = 0;
  virtual std::string GetMenuText() = 0;
  virtual void Execute() = 0;
};

// Hands an expert to the running IDE, which owns it from then on. Without an IDE the expert
// is released and EInvalidOperation raised.
void RegisterLibraryExpert(TIExpert* expert);

// How the IDE receives the experts that packages register: it installs a receiver while it
// loads packages; null withdraws it.
using TLibraryExpertProc = std::function<void(TIExpert* expert)>;
void SetLibraryExpertProc(TLibraryExpertProc proc);
