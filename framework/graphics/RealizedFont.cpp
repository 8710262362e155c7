#include "graphics/RealizedFont.h"

#include <algorithm>

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

namespace {
// Copies the glyph's coverage into a wider one, each set pixel to the columns that place
// gives for its position; a pixel is set when any source pixel lands on it.
template <typename Place>
void Rebuild(TGlyph& glyph, int newWidth, Place place) {
  std::vector<uint8_t> wider(static_cast<size_t>(newWidth) * glyph.Height, 0);
  for (int y = 0; y < glyph.Height; ++y)
    for (int x = 0; x < glyph.Width; ++x) {
      const uint8_t value = glyph.Coverage[static_cast<size_t>(y) * glyph.Width + x];
      if (!value) continue;
      place(x, y, [&](int column) {
        uint8_t& target = wider[static_cast<size_t>(y) * newWidth + column];
        target = std::max(target, value);
      });
    }
  glyph.Width = newWidth;
  glyph.Coverage = std::move(wider);
}
}  // namespace

void EmboldenGlyph(TGlyph& glyph) {
  ++glyph.Advance;
  if (glyph.Width == 0 || glyph.Height == 0) return;
  Rebuild(glyph, glyph.Width + 1, [](int x, int, auto set) {
    set(x);
    set(x + 1);
  });
}

void SlantGlyph(TGlyph& glyph) {
  if (glyph.Width == 0 || glyph.Height == 0) return;
  const int slant = glyph.Height / 4;
  const int width = glyph.Width + slant;
  Rebuild(glyph, width, [&](int x, int y, auto set) {
    // A row moves right by a quarter of its height above the baseline, plus half the slant.
    set(std::clamp(x + (glyph.Top - y) / 4 + slant / 2, 0, width - 1));
  });
}
