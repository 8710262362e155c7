#include "streaming/ResourceStream.h"

#include <algorithm>
#include <cstring>

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TResourceStream) {}

TResourceStream::TResourceStream(const TModule& module, std::string_view name) {
  const TModuleResource* resource = module.FindResource(name);
  if (!resource)
    throw EResNotFound(
        Format("Resource %s not found in module %s", std::string(name), module.GetName()));
  FData = resource->Data;
  FSize = resource->Size;
}

size_t TResourceStream::Read(void* buffer, size_t count) {
  count = std::min(count, FSize - std::min(FPosition, FSize));
  if (count) std::memcpy(buffer, FData + FPosition, count);
  FPosition += count;
  return count;
}

size_t TResourceStream::Write(const void*, size_t) {
  throw EStreamError("Resource streams cannot be written");
}

int64_t TResourceStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == soCurrent) base = static_cast<int64_t>(FPosition);
  if (origin == soEnd) base = static_cast<int64_t>(FSize);
  if (base + offset < 0) throw EStreamError("Stream seek before its start");
  FPosition = static_cast<size_t>(base + offset);
  return base + offset;
}

bool ReadComponentRes(std::string_view resourceName, TComponent* instance) {
  const TModule* module = instance->ClassType()->GetModule();
  if (!module || !module->FindResource(resourceName)) return false;
  TResourceStream stream(*module, resourceName);
  stream.ReadComponent(instance);
  return true;
}

TClass FindStoredFormClass(TClass aClass, TClass rootAncestor) {
  for (TClass c = aClass; c && c != rootAncestor; c = c->ClassParent()) {
    const TModule* module = c->GetModule();
    if (module && module->FindResource(c->ClassName())) return c;
  }
  return nullptr;
}

std::string_view StoredFormData(TClass formClass) {
  const TModule* module = formClass ? formClass->GetModule() : nullptr;
  const TModuleResource* resource = module ? module->FindResource(formClass->ClassName()) : nullptr;
  if (!resource) return std::string_view();
  return std::string_view(reinterpret_cast<const char*>(resource->Data), resource->Size);
}

bool InitInheritedComponent(TComponent* instance, TClass rootAncestor) {
  TClass formClass = FindStoredFormClass(instance->ClassType(), rootAncestor);
  if (!formClass) return false;
  TResourceStream stream(*formClass->GetModule(), formClass->ClassName());
  stream.ReadComponent(instance);
  return true;
}
