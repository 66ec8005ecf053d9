// Sixteen pixels a step (SSSE3): the 48 bytes are split into their red,
// green and blue bytes with byte shuffles; each channel's distance to the
// background is an unsigned byte difference, its square fits 16 bits
// (at most 255^2), and the three squares are added with unsigned saturation.
// With limit <= 65535 the saturated sum is at least the limit exactly when
// the true sum is, so the comparison gives the plain loop's answer.
#include "engine/detect/mask_kernel.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace trimlet::detail {

#if defined(__x86_64__) && defined(__GNUC__)
namespace {

// Shuffle masks taking one channel's bytes out of each of the three 16-byte
// loads (-128 gives 0), to be ORed together.
// clang-format off
const int8_t kShuffle[3][3][16] = {
    {{0, 3, 6, 9, 12, 15, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128},
     {-128, -128, -128, -128, -128, -128, 2, 5, 8, 11, 14, -128, -128, -128, -128, -128},
     {-128, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128, 1, 4, 7, 10, 13}},
    {{1, 4, 7, 10, 13, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128},
     {-128, -128, -128, -128, -128, 0, 3, 6, 9, 12, 15, -128, -128, -128, -128, -128},
     {-128, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128, 2, 5, 8, 11, 14}},
    {{2, 5, 8, 11, 14, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128, -128},
     {-128, -128, -128, -128, -128, 1, 4, 7, 10, 13, -128, -128, -128, -128, -128, -128},
     {-128, -128, -128, -128, -128, -128, -128, -128, -128, -128, 0, 3, 6, 9, 12, 15}}};
// clang-format on

__attribute__((target("ssse3"))) inline __m128i channel(__m128i a, __m128i b, __m128i c, int k) {
  const auto mask = [&](int part) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kShuffle[k][part]));
  };
  return _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(a, mask(0)), _mm_shuffle_epi8(b, mask(1))),
                      _mm_shuffle_epi8(c, mask(2)));
}

// Squares of the byte distances |x - background|, as two halves of 16 bits.
__attribute__((target("ssse3"))) inline void squares(__m128i x, __m128i background, __m128i* low,
                                                     __m128i* high) {
  const __m128i distance = _mm_or_si128(_mm_subs_epu8(x, background), _mm_subs_epu8(background, x));
  const __m128i zero = _mm_setzero_si128();
  const __m128i lo = _mm_unpacklo_epi8(distance, zero);
  const __m128i hi = _mm_unpackhi_epi8(distance, zero);
  *low = _mm_mullo_epi16(lo, lo);
  *high = _mm_mullo_epi16(hi, hi);
}

__attribute__((target("ssse3"))) void maskSsse3(const uint8_t* p, size_t n, const Rgb& background,
                                                int limit, uint8_t* m) {
  const __m128i red = _mm_set1_epi8(static_cast<char>(background.red));
  const __m128i green = _mm_set1_epi8(static_cast<char>(background.green));
  const __m128i blue = _mm_set1_epi8(static_cast<char>(background.blue));
  const __m128i limits = _mm_set1_epi16(static_cast<short>(static_cast<uint16_t>(limit)));
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi8(1);
  size_t i = 0;
  for (; i + 16 <= n; i += 16, p += 48) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
    __m128i rl, rh, gl, gh, bl, bh;
    squares(channel(a, b, c, 0), red, &rl, &rh);
    squares(channel(a, b, c, 1), green, &gl, &gh);
    squares(channel(a, b, c, 2), blue, &bl, &bh);
    const __m128i sumLow = _mm_adds_epu16(_mm_adds_epu16(rl, gl), bl);
    const __m128i sumHigh = _mm_adds_epu16(_mm_adds_epu16(rh, gh), bh);
    // limit - sum saturates to 0 exactly when sum >= limit: foreground.
    const __m128i low = _mm_cmpeq_epi16(_mm_subs_epu16(limits, sumLow), zero);
    const __m128i high = _mm_cmpeq_epi16(_mm_subs_epu16(limits, sumHigh), zero);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(m + i),
                     _mm_and_si128(_mm_packs_epi16(low, high), one));
  }
  for (; i < n; ++i, p += 3) {
    const int dr = background.red - p[0];
    const int dg = background.green - p[1];
    const int db = background.blue - p[2];
    m[i] = (dr * dr + dg * dg + db * db) < limit ? 0 : 1;
  }
}

}  // namespace

bool maskRowsVector3(const uint8_t* pixels, size_t first, size_t end, const Rgb& background,
                     int limit, uint8_t* mask) {
  static const bool available = __builtin_cpu_supports("ssse3");
  if (!available || limit < 0 || limit > 65535) return false;
  maskSsse3(pixels + first * 3, end - first, background, limit, mask + first);
  return true;
}

#else

bool maskRowsVector3(const uint8_t*, size_t, size_t, const Rgb&, int, uint8_t*) { return false; }

#endif

}  // namespace trimlet::detail
