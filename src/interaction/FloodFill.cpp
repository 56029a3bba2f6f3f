#include "interaction/FloodFill.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <vector>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace flood {
namespace {

constexpr QRgb RgbBits = 0x00ffffff;
constexpr QRgb Opaque = 0xff000000;

// One bit per pixel, 64 pixels to a word, bit i of word w standing for column 64 w + i.
using Word = std::uint64_t;
constexpr int WordBits = 64;
constexpr Word AllBits = ~Word(0);

// Bit counts of a word that is not zero. The standard ones also answer for zero, which costs a
// test and a branch on processors without the newer counting instructions.
int zerosBelow(Word nonZero) {
  return __builtin_ctzll(nonZero);
}
int zerosAbove(Word nonZero) {
  return __builtin_clzll(nonZero);
}

// The bits of word w that stand for columns left..end - 1; the columns meet the word.
Word columnsOf(int w, int left, int end) {
  const int low = std::max(left - w * WordBits, 0);
  const int high = std::min(end - w * WordBits, WordBits);
  return (AllBits << low) & (AllBits >> (WordBits - high));
}

// The pixel work: the mask of a row, "has the surface colour", from its pixels, and painting.
// Colours are compared and pixels written as many at a time as the processor can; the alpha
// byte takes no part in the comparison. Every word handed to paintWords stands for 64 pixels on
// the picture.
struct Kernels {
  void (*maskRow)(const QRgb* pixels, int width, QRgb surface, Word* mask);
  void (*paintRun)(QRgb* pixels, int count, QRgb paint);
  void (*paintWords)(QRgb* pixels, const Word* had, const Word* mask, int words, QRgb paint);
};

// Masks columns from..width - 1 into words that are clear there.
void maskTail(const QRgb* pixels, int from, int width, QRgb surface, Word* mask) {
  for (int x = from; x < width; ++x)
    if ((pixels[x] & RgbBits) == surface) mask[x / WordBits] |= Word(1) << (x % WordBits);
}

// Paints the pixels of one word's set bits.
void paintBits(QRgb* pixels, Word bits, QRgb paint) {
  while (bits != 0) {
    const int first = zerosBelow(bits);
    std::fill_n(pixels + first, std::countr_one(bits >> first), paint);
    bits &= bits + (bits & (~bits + 1));  // clears the lowest run of set bits
  }
}

void paintRunPortable(QRgb* pixels, int count, QRgb paint) {
  std::fill_n(pixels, count, paint);
}

void maskRowPortable(const QRgb* pixels, int width, QRgb surface, Word* mask) {
  std::fill_n(mask, width / WordBits + 1, Word(0));
  maskTail(pixels, 0, width, surface, mask);
}

void paintWordsPortable(QRgb* pixels, const Word* had, const Word* mask, int words, QRgb paint) {
  for (int w = 0; w < words; ++w) paintBits(pixels + w * WordBits, had[w] & ~mask[w], paint);
}

#if defined(__SSE2__)
void maskRowSse2(const QRgb* pixels, int width, QRgb surface, Word* mask) {
  const __m128i rgb = _mm_set1_epi32(int(RgbBits));
  const __m128i wanted = _mm_set1_epi32(int(surface));
  const auto same = [&](const QRgb* four) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(four));
    return _mm_cmpeq_epi32(_mm_and_si128(p, rgb), wanted);
  };
  int x = 0;
  for (; x + WordBits <= width; x += WordBits) {
    Word bits = 0;
    for (int i = 0; i < WordBits; i += 16) {
      // Packing keeps the lanes in order, so bit j of the byte mask is pixel x + i + j.
      const __m128i low = _mm_packs_epi32(same(pixels + x + i), same(pixels + x + i + 4));
      const __m128i high = _mm_packs_epi32(same(pixels + x + i + 8), same(pixels + x + i + 12));
      bits |= Word(unsigned(_mm_movemask_epi8(_mm_packs_epi16(low, high)))) << i;
    }
    mask[x / WordBits] = bits;
  }
  mask[x / WordBits] = 0;
  maskTail(pixels, x, width, surface, mask);
}

void paintWordsSse2(QRgb* pixels, const Word* had, const Word* mask, int words, QRgb paint) {
  const __m128i colour = _mm_set1_epi32(int(paint));
  const __m128i lanes = _mm_setr_epi32(1, 2, 4, 8);
  for (int w = 0; w < words; ++w) {
    auto* p = reinterpret_cast<__m128i*>(pixels + w * WordBits);
    for (Word bits = had[w] & ~mask[w]; bits != 0; bits >>= 4, ++p) {
      const int four = int(bits & 15);
      if (four == 0) continue;
      // Each of the four pixels either takes the paint or keeps what it had.
      const __m128i take = _mm_cmpeq_epi32(_mm_and_si128(_mm_set1_epi32(four), lanes), lanes);
      const __m128i old = _mm_loadu_si128(p);
      _mm_storeu_si128(p, _mm_or_si128(_mm_and_si128(take, colour), _mm_andnot_si128(take, old)));
    }
  }
}
#endif

#if defined(__x86_64__) && defined(__GNUC__)
#define FLOOD_AVX2 __attribute__((target("avx2")))

FLOOD_AVX2 __m256i sameAvx2(const QRgb* eight, __m256i rgb, __m256i wanted) {
  const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(eight));
  return _mm256_cmpeq_epi32(_mm256_and_si256(p, rgb), wanted);
}

FLOOD_AVX2 void maskRowAvx2(const QRgb* pixels, int width, QRgb surface, Word* mask) {
  const __m256i rgb = _mm256_set1_epi32(int(RgbBits));
  const __m256i wanted = _mm256_set1_epi32(int(surface));
  // Packing works within each half of the register; this puts the quarters back in order.
  const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
  int x = 0;
  for (; x + WordBits <= width; x += WordBits) {
    Word bits = 0;
    for (int i = 0; i < WordBits; i += 32) {
      const QRgb* p = pixels + x + i;
      const __m256i ab = _mm256_packs_epi32(sameAvx2(p, rgb, wanted), sameAvx2(p + 8, rgb, wanted));
      const __m256i cd =
          _mm256_packs_epi32(sameAvx2(p + 16, rgb, wanted), sameAvx2(p + 24, rgb, wanted));
      const __m256i all = _mm256_permutevar8x32_epi32(_mm256_packs_epi16(ab, cd), order);
      bits |= Word(unsigned(_mm256_movemask_epi8(all))) << i;
    }
    mask[x / WordBits] = bits;
  }
  mask[x / WordBits] = 0;
  maskTail(pixels, x, width, surface, mask);
}

FLOOD_AVX2 void paintRunAvx2(QRgb* pixels, int count, QRgb paint) {
  const __m256i colour = _mm256_set1_epi32(int(paint));
  for (; count >= 32; count -= 32, pixels += 32) {
    auto* p = reinterpret_cast<__m256i*>(pixels);
    _mm256_storeu_si256(p, colour);
    _mm256_storeu_si256(p + 1, colour);
    _mm256_storeu_si256(p + 2, colour);
    _mm256_storeu_si256(p + 3, colour);
  }
  for (; count >= 8; count -= 8, pixels += 8)
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels), colour);
  for (; count > 0; --count) *pixels++ = paint;
}

FLOOD_AVX2 void paintWordsAvx2(QRgb* pixels, const Word* had, const Word* mask, int words,
                               QRgb paint) {
  const __m256i colour = _mm256_set1_epi32(int(paint));
  const __m256i lanes = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
  for (int w = 0; w < words; ++w) {
    auto* p = reinterpret_cast<__m256i*>(pixels + w * WordBits);
    for (Word bits = had[w] & ~mask[w]; bits != 0; bits >>= 8, ++p) {
      const int eight = int(bits & 255);
      if (eight == 0) continue;
      const __m256i take =
          _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_set1_epi32(eight), lanes), lanes);
      _mm256_storeu_si256(p, _mm256_blendv_epi8(_mm256_loadu_si256(p), colour, take));
    }
  }
}
#endif

// The kernels of the widest instruction set up to `simd` that the processor has.
Kernels kernelsFor(Simd simd) {
#if defined(__x86_64__) && defined(__GNUC__)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (simd >= Simd::Avx2 && avx2) return {maskRowAvx2, paintRunAvx2, paintWordsAvx2};
#endif
#if defined(__SSE2__)
  if (simd >= Simd::Sse2) return {maskRowSse2, paintRunPortable, paintWordsSse2};
#endif
  return {maskRowPortable, paintRunPortable, paintWordsPortable};
}

struct Seed {
  int x;
  int y;
};

// Seeds in a buffer that grows: the first `used` are waiting.
struct Seeds {
  std::vector<Seed> held;
  std::size_t used = 0;

  // Where the next n seeds can be written.
  Seed* room(std::size_t n) {
    if (used + n > held.size()) held.resize(2 * held.size() + n);
    return held.data() + used;
  }
  void keepUpTo(const Seed* end) { used = std::size_t(end - held.data()); }
};

// Pushes a seed for each group of neighbouring set bits in `touching`, the mask word of row y
// that stands for the 64 columns from x on. Gives the slot after the last seed written.
Seed* seedGroups(Seed* out, Word touching, int x, int y) {
  // Most runs touch one run or none in each neighbouring row: the first seed is written either
  // way and kept only when there is one, which spares a branch that guesses wrong.
  *out = {x + zerosBelow(touching | Word(1) << (WordBits - 1)), y};
  out += touching != 0;
  for (touching &= touching + (touching & (~touching + 1)); touching != 0;
       touching &= touching + (touching & (~touching + 1)))
    *out++ = {x + zerosBelow(touching), y};
  return out;
}

// A scanline fill worked on bits instead of pixels. Each row reached gets two bit rows, built
// from its pixels the first time the fill reaches it: "has the surface colour" and the mask,
// "has the surface colour and is not filled yet". A run is found from a seed by counting set
// mask bits either way, 64 pixels at a time; taking it clears its mask bits, so it is never
// taken twice and nothing else needs to remember where the fill has been. The runs of the rows
// above and below that touch it are the set mask bits there under it, one seed for each group
// of neighbouring bits. The pixels of runs within one word are written only at the end, row by
// row, where the two bit rows differ; a run over several words is painted when it is taken.
//
// In a picture of short runs (a maze of corridors) the time goes on finding runs and their
// neighbours, not on pixels: here that is a few word operations on bit rows that stay in the
// cache, where looking pixel by pixel meant mispredicted branches and rows fetched from memory
// again and again. Most runs lie within one word and take a short way. The seeds are taken in
// waves, every seed of one wave before those it gives: taking the seed just pushed would make
// every run wait for the one before, while the seeds of a wave are independent and the
// processor works on several at once. There is no recursion.
class Filler {
 public:
  Filler(QImage& image, QRgb surface, Word* scratch, Simd simd)
      : kernels_(kernelsFor(simd)),
        bits_(image.bits()),
        stride_(image.bytesPerLine()),
        width_(image.width()),
        height_(image.height()),
        words_(wordsPerRow(image)),
        surface_(surface),
        scratch_(scratch),
        built_(std::size_t(image.height()) + 2, 0) {
    // A clear row above the picture and one below it, so a run's neighbours need no bounds.
    for (const int y : {-1, height_}) {
      std::fill_n(mask(y), words_, Word(0));
      built_[std::size_t(y + 1)] = 1;
    }
  }

  // A spare bit past the last column stays clear and ends the last run of every row.
  static int wordsPerRow(const QImage& image) { return image.width() / WordBits + 1; }
  static std::size_t scratchWords(const QImage& image) {
    return (std::size_t(image.height()) + 2) * 2 * std::size_t(wordsPerRow(image));
  }

  QRect run(QPoint start, QRgb paint) {
    paint_ = paint;
    reach(start.y());
    Seeds wave;
    Seeds next;
    *wave.room(1) = {start.x(), start.y()};
    wave.used = 1;
    while (wave.used > 0) {
      for (std::size_t i = 0; i < wave.used;) {
        i = takeShortRuns(wave, i, next);
        if (i < wave.used) takeRun(wave.held[i++], next);
      }
      std::swap(wave, next);
      next.used = 0;
    }
    return paintFilled();
  }

 private:
  // Takes the runs of the seeds from the i-th on, as long as they lie within one word and their
  // neighbouring rows are masked, which is most of them; gives the index of the first seed it
  // leaves to the slow way. What the loop changes it keeps in locals: the seeds it writes are
  // ints, and a member int written through a pointer would have to be read again after each.
  std::size_t takeShortRuns(const Seeds& wave, std::size_t i, Seeds& next) {
    const auto rowWords = std::ptrdiff_t(2 * words_);
    Word* const scratch = scratch_;
    const char* const built = built_.data();
    while (i < wave.used) {
      Seed* out = next.room(4 * WordBits);
      Seed* const full = next.held.data() + next.held.size() - 2 * WordBits;
      for (; i < wave.used && out <= full; ++i) {
        const Seed s = wave.held[i];
        Word* m = scratch + (s.y + 1) * rowWords + unsigned(s.x) / WordBits;
        const Word word = *m;
        const unsigned bit = unsigned(s.x) % WordBits;
        if (((word >> bit) & 1) == 0) continue;  // taken since it was seeded
        const Word above = ~word >> bit;
        const Word below = ~word << (WordBits - 1 - bit);
        if (above == 0 || below == 0 || !built[s.y] || !built[s.y + 2]) {
          next.keepUpTo(out);
          return i;
        }
        const Word run = (AllBits << (bit + 1 - unsigned(zerosAbove(below)))) &
                         (AllBits >> (WordBits - bit - unsigned(zerosBelow(above))));
        *m = word & ~run;
        const int x = s.x & -WordBits;
        out = seedGroups(out, m[-rowWords] & run, x, s.y - 1);
        out = seedGroups(out, m[rowWords] & run, x, s.y + 1);
      }
      next.keepUpTo(out);
    }
    return i;
  }

  QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_); }
  Word* mask(int y) const { return scratch_ + (std::size_t(y) + 1) * 2 * std::size_t(words_); }
  Word* surfaceBits(int y) const { return mask(y) + words_; }

  void reach(int y) {
    if (built_[std::size_t(y + 1)]) return;
    built_[std::size_t(y + 1)] = 1;
    kernels_.maskRow(row(y), width_, surface_, mask(y));
    std::copy_n(mask(y), words_, surfaceBits(y));
  }

  // The first column of the run of set bits through x.
  static int runStart(const Word* m, int x) {
    int w = x / WordBits;
    const Word gaps = ~m[w] << (WordBits - 1 - x % WordBits);
    if (gaps != 0) return x + 1 - std::countl_zero(gaps);
    while (w > 0 && m[w - 1] == AllBits) --w;
    return w == 0 ? 0 : w * WordBits - std::countl_one(m[w - 1]);
  }

  // The column just after the run of set bits through x; the spare bit ends every run.
  static int runEnd(const Word* m, int x) {
    int w = x / WordBits;
    const Word gaps = ~m[w] >> (x % WordBits);
    if (gaps != 0) return x + std::countr_zero(gaps);
    while (m[++w] == AllBits) {
    }
    return w * WordBits + std::countr_one(m[w]);
  }

  // The way for any run: its neighbouring rows may not be masked yet, and it may go on into
  // other words. A run that does is painted at once, while its row is still in the cache from
  // being masked, and dropped from the bits that had the surface colour so the last pass leaves
  // it alone.
  void takeRun(Seed s, Seeds& next) {
    Word* m = mask(s.y);
    const int left = runStart(m, s.x);
    const int end = runEnd(m, s.x);
    clearColumns(m, left, end);
    if (left / WordBits != (end - 1) / WordBits) {
      clearColumns(surfaceBits(s.y), left, end);
      kernels_.paintRun(row(s.y) + left, end - left, paint_);
      include(left, end - 1, s.y);
    }
    reach(s.y - 1);
    reach(s.y + 1);
    seedsBeside(s.y - 1, left, end, next);
    seedsBeside(s.y + 1, left, end, next);
  }

  static void clearColumns(Word* bits, int left, int end) {
    const int first = left / WordBits;
    const int last = (end - 1) / WordBits;
    bits[first] &= ~columnsOf(first, left, end);
    if (last == first) return;
    std::fill(bits + first + 1, bits + last, Word(0));
    bits[last] &= ~columnsOf(last, left, end);
  }

  // Seeds the runs of row y that touch columns left..end - 1, one seed at the first touching
  // column of each.
  void seedsBeside(int y, int left, int end, Seeds& next) {
    const Word* m = mask(y);
    Word before = 0;  // whether the column before the word's first touches, in bit 0
    const int first = left / WordBits;
    const int last = (end - 1) / WordBits;
    for (int w = first; w <= last; ++w) {
      const Word touching = w == first || w == last ? m[w] & columnsOf(w, left, end) : m[w];
      Word starts = touching & ~(touching << 1 | before);
      before = touching >> (WordBits - 1);
      if (starts == 0) continue;
      Seed* out = next.room(WordBits);
      for (; starts != 0; starts &= starts - 1) *out++ = {w * WordBits + zerosBelow(starts), y};
      next.keepUpTo(out);
    }
  }

  void include(int left, int right, int y) {
    left_ = std::min(left_, left);
    right_ = std::max(right_, right);
    top_ = std::min(top_, y);
    bottom_ = std::max(bottom_, y);
  }

  // Paints the pixels that had the surface colour and are no longer in the mask; gives the
  // bounding rectangle of all painted pixels.
  QRect paintFilled() {
    const int full = width_ / WordBits;  // words whose pixels all lie on the picture
    for (int y = 0; y < height_; ++y) {
      if (!built_[std::size_t(y + 1)]) continue;
      const Word* m = mask(y);
      const Word* had = surfaceBits(y);
      int first = 0;
      while (first < words_ && (had[first] & ~m[first]) == 0) ++first;
      if (first == words_) continue;
      int last = words_ - 1;
      while ((had[last] & ~m[last]) == 0) --last;
      include(first * WordBits + zerosBelow(had[first] & ~m[first]),
              last * WordBits + WordBits - 1 - zerosAbove(had[last] & ~m[last]), y);
      QRgb* pixels = row(y);
      const int end = std::min(last + 1, full);
      if (first < end)
        kernels_.paintWords(pixels + first * WordBits, had + first, m + first, end - first, paint_);
      if (last == full) paintBits(pixels + full * WordBits, had[full] & ~m[full], paint_);
    }
    if (right_ < 0) return {};
    return QRect(QPoint(left_, top_), QPoint(right_, bottom_));
  }

  Kernels kernels_;
  uchar* bits_;
  qsizetype stride_;
  int width_;
  int height_;
  int words_;
  QRgb surface_;
  Word* scratch_;
  std::vector<char> built_;  // by row, from the one above the picture
  QRgb paint_ = 0;
  int left_ = std::numeric_limits<int>::max();  // the bounds of the painted pixels
  int right_ = -1;
  int top_ = std::numeric_limits<int>::max();
  int bottom_ = -1;
};

}  // namespace

QRect fillRegion(QImage& image, QPoint start, QRgb surface, QRgb paint, Simd simd) {
  if (image.depth() != 32 || !image.rect().contains(start)) return {};
  // Painting a region in its own colour changes nothing, so there is nothing to do.
  if ((surface & RgbBits) == (paint & RgbBits)) return {};
  const auto* startRow = reinterpret_cast<const QRgb*>(image.constScanLine(start.y()));
  if ((startRow[start.x()] & RgbBits) != (surface & RgbBits)) return {};
  // The bit rows are not cleared here: each row is cleared when the fill first reaches it.
  const std::unique_ptr<Word[]> scratch(new (std::nothrow) Word[Filler::scratchWords(image)]);
  if (!scratch) return {};  // no memory for the bit rows: nothing is painted
  return Filler(image, surface & RgbBits, scratch.get(), simd)
      .run(start, (paint & RgbBits) | Opaque);
}

}  // namespace flood
