#include "graphics/RealizedFont.h"

const TGlyph& TRealizedFont::Glyph(char32_t ch) {
  if (ch < FAscii.size()) {
    auto& slot = FAscii[ch];
    if (!slot) {
      slot = std::make_unique<TGlyph>();
      Render(ch, *slot);
    }
    return *slot;
  }
  auto found = FOthers.find(ch);
  if (found != FOthers.end()) return found->second;
  TGlyph& glyph = FOthers[ch];
  Render(ch, glyph);
  return glyph;
}

char32_t NextCodePoint(const char* text, size_t length, size_t& index) {
  const auto lead = static_cast<unsigned char>(text[index++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int i = 0; i < extra; ++i) {
    if (index >= length) return 0xFFFD;
    const auto next = static_cast<unsigned char>(text[index]);
    if ((next & 0xC0) != 0x80) return 0xFFFD;
    value = (value << 6) | (next & 0x3F);
    ++index;
  }
  return value;
}
