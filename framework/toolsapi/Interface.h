#pragma once

#include <cstdint>
#include <utility>

// The root of the IDE's add-in interfaces: an object shared between the IDE and its add-ins
// and kept alive by a reference count. Whoever receives an interface from a call holds one
// reference and gives it back with Release; the object deletes itself when the last
// reference goes.
class TInterface {
 public:
  TInterface() = default;
  TInterface(const TInterface&) = delete;
  TInterface& operator=(const TInterface&) = delete;

  // Takes one more reference and returns the new count.
  virtual int AddRef();
  // Gives one reference back and returns the new count; at zero the object is deleted.
  virtual int Release();
  // The version of the add-in interface this object implements.
  virtual int GetVersion();

  int GetRefCount() const { return FRefCount; }

 protected:
  // Only Release deletes: an interface is never destroyed while someone holds it.
  virtual ~TInterface() = default;

 private:
  int FRefCount = 1;  // the creator's reference
};

// The add-in interface version that this IDE implements.
inline constexpr int ToolsApiVersion = 3;

// Holds one reference to an interface and releases it when it goes out of scope, also when an
// exception passes: TInterfaceRef<TIMainMenuIntf> menu(ToolServices->GetMainMenu());
template <typename T>
class TInterfaceRef {
 public:
  TInterfaceRef() = default;
  // Adopts the reference that a call returned (null is allowed).
  explicit TInterfaceRef(T* adopted) : FIntf(adopted) {}
  TInterfaceRef(const TInterfaceRef&) = delete;
  TInterfaceRef& operator=(const TInterfaceRef&) = delete;
  TInterfaceRef(TInterfaceRef&& other) noexcept : FIntf(std::exchange(other.FIntf, nullptr)) {}
  TInterfaceRef& operator=(TInterfaceRef&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.FIntf, nullptr));
    return *this;
  }
  ~TInterfaceRef() { Reset(); }

  T* Get() const { return FIntf; }
  T* operator->() const { return FIntf; }
  explicit operator bool() const { return FIntf != nullptr; }

  // Releases the held reference (if any) and adopts another one.
  void Reset(T* adopted = nullptr) {
    T* old = std::exchange(FIntf, adopted);
    if (old) old->Release();
  }
  // Gives the held reference to the caller, who must release it.
  T* Detach() { return std::exchange(FIntf, nullptr); }

 private:
  T* FIntf = nullptr;
};
