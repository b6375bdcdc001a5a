#include "ByteSearch.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The bytes from p on, one at a time.
LineEnd FinishByteByByte(const char* p, const char* to, LineEnd found)
{
    for (; p < to; ++p) {
        if (*p == '\n') {
            found.Lf = p;
            return found;
        }
        if (*p == '\r') {
            ++found.CarriageReturns;
            found.LastCarriageReturn = p;
        }
    }
    return found;
}

} // namespace

LineEnd FindLineEnd(const char* from, const char* to)
{
    LineEnd found{nullptr, 0, nullptr};
    const char* p = from;
#if defined(__SSE2__)
    // Sixteen bytes at a time: one mask of the LFs and one of the CRs.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; to - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto lfMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)));
        auto crMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr)));
        if (lfMask != 0)
            crMask &= (lfMask & (0u - lfMask)) - 1; // only the CRs before the LF
        if (crMask != 0) {
            found.LastCarriageReturn = p + (31 - std::countl_zero(crMask));
            for (; crMask != 0; crMask &= crMask - 1)
                ++found.CarriageReturns;
        }
        if (lfMask != 0) {
            found.Lf = p + std::countr_zero(lfMask);
            return found;
        }
    }
#endif
    return FinishByteByByte(p, to, found);
}

const char* FindHash(const char* from, const char* to, std::size_t& lineFeeds)
{
    std::size_t count = 0;
    const char* p = from;
#if defined(__SSE2__)
    // Each byte of a tally counts down by one per LF; the tallies are summed
    // before any can wrap after 255 rounds.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i hash = _mm_set1_epi8('#');
    const auto sum = [](__m128i tally) {
        const __m128i sums = _mm_sad_epu8(tally, _mm_setzero_si128());
        return static_cast<std::size_t>(_mm_cvtsi128_si32(sums))
               + static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    };
    while (to - p >= 16) {
        __m128i tally = _mm_setzero_si128();
        const char* const stop = p + std::min<std::ptrdiff_t>((to - p) / 16, 255) * 16;
        for (; p < stop; p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i lineFeedBytes = _mm_cmpeq_epi8(bytes, lf);
            const auto hashMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, hash)));
            if (hashMask != 0) {
                count += sum(tally);
                auto before =
                    static_cast<unsigned>(_mm_movemask_epi8(lineFeedBytes)) & ((hashMask & (0u - hashMask)) - 1);
                for (; before != 0; before &= before - 1)
                    ++count;
                lineFeeds = count;
                return p + std::countr_zero(hashMask);
            }
            tally = _mm_sub_epi8(tally, lineFeedBytes);
        }
        count += sum(tally);
    }
#endif
    for (; p < to; ++p) {
        if (*p == '#') {
            lineFeeds = count;
            return p;
        }
        count += *p == '\n';
    }
    lineFeeds = count;
    return nullptr;
}

namespace {

#if defined(__SSE2__)
// The positions in 16 bytes that are digits, as a mask.
unsigned DigitMask(__m128i bytes)
{
    // '0'..'9' moved to the bottom of the signed range: -128..-119.
    const __m128i shifted = _mm_add_epi8(bytes, _mm_set1_epi8(static_cast<char>(0x80 - '0')));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(shifted, _mm_set1_epi8(-118))));
}

unsigned EqualMask(__m128i bytes, char c)
{
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
}

// The positions in 16 bytes that are ASCII letters, as a mask.
unsigned LetterMask(__m128i bytes)
{
    // Bit 5 set makes capitals small and leaves 'a'..'z' as they are; those
    // are then moved to the bottom of the signed range: -128..-103.
    const __m128i small = _mm_or_si128(bytes, _mm_set1_epi8(0x20));
    const __m128i shifted = _mm_add_epi8(small, _mm_set1_epi8(static_cast<char>(0x80 - 'a')));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(shifted, _mm_set1_epi8(-128 + 26))));
}
#endif

} // namespace

const char* FindDigitMinusOrNul(const char* from, const char* to)
{
    const char* p = from;
#if defined(__SSE2__)
    for (; to - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned found = DigitMask(bytes) | EqualMask(bytes, '-') | EqualMask(bytes, '\0');
        if (found != 0)
            return p + std::countr_zero(found);
    }
#endif
    for (; p < to; ++p) {
        if ((*p >= '0' && *p <= '9') || *p == '-' || *p == '\0')
            return p;
    }
    return to;
}

const char* FindSpaceTabOrNul(const char* from, const char* to)
{
    const char* p = from;
#if defined(__SSE2__)
    for (; to - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned found = EqualMask(bytes, ' ') | EqualMask(bytes, '\t') | EqualMask(bytes, '\0');
        if (found != 0)
            return p + std::countr_zero(found);
    }
#endif
    for (; p < to; ++p) {
        if (*p == ' ' || *p == '\t' || *p == '\0')
            return p;
    }
    return to;
}

const char* FindNonNameByte(const char* from, const char* to)
{
    const char* p = from;
#if defined(__SSE2__)
    for (; to - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned name = LetterMask(bytes) | DigitMask(bytes) | EqualMask(bytes, '_');
        if (name != 0xFFFFu)
            return p + std::countr_zero(~name);
    }
#endif
    // Most names end within the last sixteen bytes of their line.
    static constexpr std::array<bool, 256> kNameBytes = [] {
        std::array<bool, 256> bytes{};
        for (std::size_t b = 0; b < bytes.size(); ++b)
            bytes[b] = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '_';
        return bytes;
    }();
    while (p < to && kNameBytes[static_cast<unsigned char>(*p)])
        ++p;
    return p;
}
