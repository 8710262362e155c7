#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

// A set of enumeration values stored as bits: bit n stands for the element of ordinal n, as in
// the platform's sets, so a set converts to and from its integer value unchanged. Published sets
// hold at most 32 elements.
template <typename E>
class TSet {
  static_assert(std::is_enum_v<E>, "a set holds values of an enumeration");

 public:
  using ElementType = E;
  static constexpr int MaxElements = 32;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> elements) {
    for (E element : elements)
      FBits |= Bit(element);
  }

  static constexpr TSet FromBits(uint32_t bits) {
    TSet result;
    result.FBits = bits;
    return result;
  }
  constexpr uint32_t Bits() const { return FBits; }

  constexpr bool Contains(E element) const { return (FBits & Bit(element)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool IsSubsetOf(TSet other) const { return (FBits & ~other.FBits) == 0; }

  constexpr TSet& Include(E element) {
    FBits |= Bit(element);
    return *this;
  }
  constexpr TSet& Exclude(E element) {
    FBits &= ~Bit(element);
    return *this;
  }

  constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
  constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
  constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
  constexpr TSet& operator+=(TSet other) { return *this = *this + other; }
  constexpr TSet& operator-=(TSet other) { return *this = *this - other; }
  constexpr TSet& operator*=(TSet other) { return *this = *this * other; }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint32_t Bit(E element) {
    const auto ordinal = static_cast<uint32_t>(element);
    return ordinal < MaxElements ? uint32_t{1} << ordinal : 0;
  }

  uint32_t FBits = 0;
};

template <typename T>
inline constexpr bool IsSetType = false;
template <typename E>
inline constexpr bool IsSetType<TSet<E>> = true;
