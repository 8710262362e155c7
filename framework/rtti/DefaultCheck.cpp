#include "rtti/DefaultCheck.h"

#include <algorithm>
#include <exception>

#include "core/SysUtils.h"
#include "rtti/MetaClass.h"
#include "rtti/PropInfo.h"

std::vector<std::string> FindDefaultMismatches(TClass aClass) {
  std::vector<std::string> mismatches;
  if (!aClass || aClass->IsAbstract()) return mismatches;
  const auto& properties = aClass->GetProperties();
  if (std::none_of(properties.begin(), properties.end(),
                   [](PPropInfo info) { return info->HasDefault(); }))
    return mismatches;
  TObject* instance = nullptr;
  try {
    instance = aClass->CreateInstance(nullptr);
    for (PPropInfo info : properties) {
      if (!info->HasDefault()) continue;
      const int64_t actual = GetOrdProp(instance, info);
      if (actual != info->GetDefault())
        mismatches.push_back(Format("%s.%s: declared %lld, constructed %lld", aClass->ClassName(),
                                    info->GetName(), static_cast<long long>(info->GetDefault()),
                                    static_cast<long long>(actual)));
    }
  } catch (const std::exception& e) {
    mismatches.push_back(Format("%s: %s", aClass->ClassName(), std::string(e.what())));
  }
  if (instance) instance->Free();
  return mismatches;
}
