#pragma once
// Fixed-point basic operators of the G.723.1 coder: 16-bit words and 32-bit
// accumulators with saturation. Every operator is inline and well defined for
// every input (no signed overflow, no shift of a negative value to the left), so
// the optimiser can fold them into the loops that use them.

#include <cstdint>

namespace g723::op {

using Word16 = std::int16_t;
using Word32 = std::int32_t;

constexpr Word16 kMax16 = 32767;
constexpr Word16 kMin16 = -32768;
constexpr Word32 kMax32 = 2147483647;
constexpr Word32 kMin32 = -2147483647 - 1;

static_assert((-5 >> 1) == -3, "the coder needs arithmetic right shifts");

inline Word16 sat16(Word32 v) {
  return v > kMax16 ? kMax16 : (v < kMin16 ? kMin16 : static_cast<Word16>(v));
}

inline Word32 sat32(std::int64_t v) {
  return v > kMax32 ? kMax32 : (v < kMin32 ? kMin32 : static_cast<Word32>(v));
}

inline Word16 add(Word16 a, Word16 b) { return sat16(Word32{a} + b); }
inline Word16 sub(Word16 a, Word16 b) { return sat16(Word32{a} - b); }
inline Word16 negate(Word16 a) { return a == kMin16 ? kMax16 : static_cast<Word16>(-a); }
inline Word16 abs_s(Word16 a) { return a < 0 ? negate(a) : a; }

inline Word16 extract_h(Word32 v) { return static_cast<Word16>(v >> 16); }
inline Word16 extract_l(Word32 v) { return static_cast<Word16>(v & 0xffff); }
inline Word32 L_deposit_h(Word16 a) { return Word32{a} * 65536; }
inline Word32 L_deposit_l(Word16 a) { return a; }

inline Word16 shr(Word16 a, int n);

inline Word16 shl(Word16 a, int n) {
  if (n < 0) return shr(a, -n);
  if (n > 15) return a == 0 ? 0 : (a > 0 ? kMax16 : kMin16);
  return sat16(Word32{a} * (Word32{1} << n));
}

inline Word16 shr(Word16 a, int n) {
  if (n < 0) return shl(a, -n);
  if (n >= 15) return a < 0 ? -1 : 0;
  return static_cast<Word16>(a >> n);
}

inline Word16 mult(Word16 a, Word16 b) { return sat16((Word32{a} * b) >> 15); }
inline Word16 mult_r(Word16 a, Word16 b) { return sat16((Word32{a} * b + 0x4000) >> 15); }

inline Word32 L_add(Word32 a, Word32 b) { return sat32(std::int64_t{a} + b); }
inline Word32 L_sub(Word32 a, Word32 b) { return sat32(std::int64_t{a} - b); }
inline Word32 L_negate(Word32 a) { return a == kMin32 ? kMax32 : -a; }
inline Word32 L_abs(Word32 a) { return a < 0 ? L_negate(a) : a; }

inline Word32 L_mult(Word16 a, Word16 b) {
  const Word32 p = Word32{a} * b;
  return p == 0x40000000 ? kMax32 : p * 2;
}
inline Word32 L_mac(Word32 acc, Word16 a, Word16 b) { return L_add(acc, L_mult(a, b)); }
inline Word32 L_msu(Word32 acc, Word16 a, Word16 b) { return L_sub(acc, L_mult(a, b)); }

inline Word32 L_shr(Word32 v, int n);

inline Word32 L_shl(Word32 v, int n) {
  if (n <= 0) return L_shr(v, -n);
  if (v == 0) return 0;
  if (n > 31) return v > 0 ? kMax32 : kMin32;
  return sat32(std::int64_t{v} * (std::int64_t{1} << n));
}

inline Word32 L_shr(Word32 v, int n) {
  if (n < 0) return L_shl(v, -n);
  if (n >= 31) return v < 0 ? -1 : 0;
  return v >> n;
}

inline Word16 round16(Word32 v) { return extract_h(L_add(v, 0x8000)); }

// Number of left shifts that normalise a (0 for 0, 15 for -1).
inline Word16 norm_s(Word16 a) {
  if (a == 0) return 0;
  if (a == -1) return 15;
  const std::uint32_t m = static_cast<std::uint32_t>(a < 0 ? ~Word32{a} : Word32{a});
  return static_cast<Word16>(__builtin_clz(m) - 17);
}

inline Word16 norm_l(Word32 v) {
  if (v == 0) return 0;
  if (v == -1) return 31;
  const std::uint32_t m = static_cast<std::uint32_t>(v < 0 ? ~v : v);
  return static_cast<Word16>(__builtin_clz(m) - 1);
}

// a / b in Q15 for 0 <= a <= b, b > 0 (32767 when a == b). Callers guarantee the range;
// anything else yields 0 rather than a fault.
inline Word16 div_s(Word16 a, Word16 b) {
  if (a <= 0 || b <= 0) return 0;
  if (a >= b) return kMax16;
  return static_cast<Word16>((Word32{a} << 15) / b);
}

// num / (den << 16) in Q15 for num >= 0, den > 0, saturating at 32767. The restoring
// division of the reference design computes exactly floor((num >> 1) / den).
inline Word16 div_l(Word32 num, Word16 den) {
  if (den <= 0 || num < 0) return 0;
  if (num >= L_deposit_h(den)) return kMax16;
  return static_cast<Word16>((num >> 1) / den);
}

// 32-bit by 16-bit multiply, Q31 x Q15 -> Q31, low half truncated.
inline Word32 L_mls(Word32 v, Word16 w) {
  Word32 t = static_cast<Word32>((v & 0xffff) * Word32{w});
  t >>= 15;
  return L_mac(t, w, extract_h(v));
}

// Sums of products, equal to chains of the saturating operators above. Speech vectors are
// normalised with headroom, so a chain rarely saturates: when the largest magnitudes prove
// that no partial sum can leave the 32-bit range, a plain (vectorisable) dot product gives
// the chain's exact result; otherwise the chain runs step by step.

// Largest magnitude in a vector, in 32 bits (32768 for -32768).
inline Word32 maxAbs(const Word16* a, int n) {
  Word32 hi = 0;
  Word32 lo = 0;
  for (int i = 0; i < n; ++i) {
    hi = a[i] > hi ? a[i] : hi;
    lo = a[i] < lo ? a[i] : lo;
  }
  return hi > -lo ? hi : -lo;
}

// Sum of the products; the caller guarantees that it fits in 32 bits at every step.
inline Word32 dot(const Word16* a, const Word16* b, int n) {
  Word32 sum = 0;
  for (int i = 0; i < n; ++i) sum += Word32{a[i]} * b[i];
  return sum;
}

// True when acc plus n terms of magnitude at most scale * maxA * maxB stays in range.
inline bool chainCannotSaturate(Word32 acc, Word32 maxA, Word32 maxB, int n, int scale) {
  const std::int64_t start = acc < 0 ? -std::int64_t{acc} : std::int64_t{acc};
  return start + std::int64_t{scale} * n * maxA * maxB <= kMax32;
}

// L_mac(...L_mac(L_mac(acc, a[0], b[0]), a[1], b[1])..., a[n-1], b[n-1])
inline Word32 L_macSum(Word32 acc, const Word16* a, const Word16* b, int n, Word32 maxA, Word32 maxB) {
  if (chainCannotSaturate(acc, maxA, maxB, n, 2)) return acc + 2 * dot(a, b, n);
  for (int i = 0; i < n; ++i) acc = L_mac(acc, a[i], b[i]);
  return acc;
}
inline Word32 L_macSum(Word32 acc, const Word16* a, const Word16* b, int n) {
  return L_macSum(acc, a, b, n, maxAbs(a, n), maxAbs(b, n));
}

// L_msu(...L_msu(acc, a[0], b[0])..., a[n-1], b[n-1])
inline Word32 L_msuSum(Word32 acc, const Word16* a, const Word16* b, int n, Word32 maxA, Word32 maxB) {
  if (chainCannotSaturate(acc, maxA, maxB, n, 2)) return acc - 2 * dot(a, b, n);
  for (int i = 0; i < n; ++i) acc = L_msu(acc, a[i], b[i]);
  return acc;
}

// acc = L_add(acc, L_shr(L_mult(a[i], b[i]), 1)) for i = 0 .. n-1: a sum of plain products.
// (A product of -32768 by -32768, the one L_mult saturates, makes the bound fail.)
inline Word32 L_productSum(Word32 acc, const Word16* a, const Word16* b, int n, Word32 maxA, Word32 maxB) {
  if (maxA < 32768 && chainCannotSaturate(acc, maxA, maxB, n, 1)) return acc + dot(a, b, n);
  for (int i = 0; i < n; ++i) acc = L_add(acc, L_shr(L_mult(a[i], b[i]), 1));
  return acc;
}
inline Word32 L_productSum(Word32 acc, const Word16* a, const Word16* b, int n) {
  return L_productSum(acc, a, b, n, maxAbs(a, n), maxAbs(b, n));
}

}  // namespace g723::op
