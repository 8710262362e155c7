#include "graphics/FontList.h"

#include "graphics/FontCache.h"

const std::vector<std::string>& GetFontFamilies() {
  return TFontCache::Instance().Families();
}
