#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Forward.h"
#include "core/Method.h"
#include "rtti/TypeInfo.h"

// Reads and writes one published property of one class, whatever the property's C++ type. Each
// value category has its pair of operations; the others raise EPropertyError.
class TPropAccess {
 public:
  virtual ~TPropAccess() = default;
  virtual bool IsWritable() const = 0;

  virtual int64_t GetOrd(TObject* instance) const;
  virtual void SetOrd(TObject* instance, int64_t value) const;
  virtual double GetFloat(TObject* instance) const;
  virtual void SetFloat(TObject* instance, double value) const;
  virtual std::string GetStr(TObject* instance) const;
  virtual void SetStr(TObject* instance, const std::string& value) const;
  virtual TObject* GetObject(TObject* instance) const;
  virtual void SetObject(TObject* instance, TObject* value) const;
  virtual TMethod GetMethod(TObject* instance) const;
  virtual void SetMethod(TObject* instance, const TMethod& value) const;
};

// A published property: its name, type information, access, declared default and whether its
// value is stored in form files.
class TPropInfo {
 public:
  TPropInfo(std::string name, TClass ownerClass, PTypeInfo (*typeGetter)(),
            std::unique_ptr<TPropAccess> access);
  // A property whose type information is known when it is published (run-time properties).
  TPropInfo(std::string name, TClass ownerClass, PTypeInfo typeInfo,
            std::unique_ptr<TPropAccess> access);

  const std::string& GetName() const { return FName; }
  // The type information. Properties of C++ classes fetch it on first use, so that classes may
  // refer to each other.
  PTypeInfo GetPropType() const { return FTypeInfo ? FTypeInfo : FTypeGetter(); }
  // The class that publishes the property.
  TClass GetOwnerClass() const { return FOwnerClass; }
  bool IsWritable() const { return FAccess->IsWritable(); }
  bool HasDefault() const { return FDefault.has_value(); }
  int64_t GetDefault() const { return FDefault.value_or(0); }
  bool IsStored(TObject* instance) const;
  const TPropAccess& GetAccess() const { return *FAccess; }

  void SetDefault(std::optional<int64_t> value) { FDefault = value; }
  void SetStored(std::function<bool(TObject*)> predicate) { FStored = std::move(predicate); }

 private:
  std::string FName;
  TClass FOwnerClass;
  PTypeInfo (*FTypeGetter)() = nullptr;
  PTypeInfo FTypeInfo = nullptr;
  std::unique_ptr<TPropAccess> FAccess;
  std::optional<int64_t> FDefault;
  std::function<bool(TObject*)> FStored;
};

// Generic access to published properties, for streaming, property editors and the inspector.
// A property that the instance's class does not publish, or a value of the wrong category,
// raises EPropertyError.

PPropInfo GetPropInfo(TClass aClass, std::string_view name, TTypeKinds kinds = tkAny);
PPropInfo GetPropInfo(const TObject* instance, std::string_view name, TTypeKinds kinds = tkAny);
// The published properties whose kind is in kinds, inherited ones first, in declaration order.
std::vector<PPropInfo> GetPropList(TClass aClass, TTypeKinds kinds = tkAny);
std::vector<PPropInfo> GetPropList(const TObject* instance, TTypeKinds kinds = tkAny);
bool IsPublishedProp(const TObject* instance, std::string_view name);
TTypeKind PropType(const TObject* instance, std::string_view name);
bool IsStoredProp(TObject* instance, PPropInfo propInfo);

int64_t GetOrdProp(TObject* instance, PPropInfo propInfo);
// Raises EPropertyError for a value outside the property type's range.
void SetOrdProp(TObject* instance, PPropInfo propInfo, int64_t value);
double GetFloatProp(TObject* instance, PPropInfo propInfo);
void SetFloatProp(TObject* instance, PPropInfo propInfo, double value);
std::string GetStrProp(TObject* instance, PPropInfo propInfo);
void SetStrProp(TObject* instance, PPropInfo propInfo, const std::string& value);
TObject* GetObjectProp(TObject* instance, PPropInfo propInfo);
// Raises EPropertyError for an object that is not of the property's class.
void SetObjectProp(TObject* instance, PPropInfo propInfo, TObject* value);
TMethod GetMethodProp(TObject* instance, PPropInfo propInfo);
// Raises EPropertyError for a method whose parameters differ from the event type's.
void SetMethodProp(TObject* instance, PPropInfo propInfo, const TMethod& value);
// Enumeration values by name, set values as text such as "akLeft,akTop".
std::string GetEnumProp(TObject* instance, PPropInfo propInfo);
void SetEnumProp(TObject* instance, PPropInfo propInfo, std::string_view value);
std::string GetSetProp(TObject* instance, PPropInfo propInfo, bool brackets = false);
void SetSetProp(TObject* instance, PPropInfo propInfo, std::string_view value);

// The same by property name.
int64_t GetOrdProp(TObject* instance, std::string_view name);
void SetOrdProp(TObject* instance, std::string_view name, int64_t value);
double GetFloatProp(TObject* instance, std::string_view name);
void SetFloatProp(TObject* instance, std::string_view name, double value);
std::string GetStrProp(TObject* instance, std::string_view name);
void SetStrProp(TObject* instance, std::string_view name, const std::string& value);
TObject* GetObjectProp(TObject* instance, std::string_view name);
void SetObjectProp(TObject* instance, std::string_view name, TObject* value);
TMethod GetMethodProp(TObject* instance, std::string_view name);
void SetMethodProp(TObject* instance, std::string_view name, const TMethod& value);
