// The stream decoder of the library against the tool's encoder and against
// the step-by-step decoder, on ordinary, hand-made and broken streams.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/lzari/plain_lzari_decoder.h"
#include "skin/core/lzari_decoder.h"
#include "tools/tbxtool/lzari_encoder.h"
#include "tools/tbxtool/sample_skin.h"

namespace tebix {
namespace {

using Bytes = std::vector<std::uint8_t>;
using tbx::LzariEncode;
using tbx::LzariStreamWriter;
using tbx::Parsing;

Bytes FromString(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Random(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& c : b) c = static_cast<std::uint8_t>(rng());
  return b;
}

Bytes Decode(const Bytes& stream, LzariStatus expected = LzariStatus::kOk) {
  UnpackedBlock out;
  EXPECT_EQ(LzariDecode(stream, out), expected);
  EXPECT_EQ(out.data()[out.size()], 0) << "the unpacked block ends with a zero byte";
  return Bytes(out.data(), out.data() + out.size());
}

// Both decoders on the same stream: same bytes, same verdict.
void ExpectDecodersAgree(const Bytes& stream) {
  UnpackedBlock fast;
  const LzariStatus status = LzariDecode(stream, fast);
  const auto plain = bench::PlainLzariDecode(stream, kMaxBitsPastEnd);
  if (status == LzariStatus::kOk) {
    EXPECT_FALSE(plain.gave_up);
    EXPECT_EQ(plain.bytes, Bytes(fast.data(), fast.data() + fast.size()));
  } else if (status == LzariStatus::kTruncated) {
    EXPECT_TRUE(plain.gave_up || plain.bits_past_end > kMaxBitsPastEnd);
  }
}

struct Sample {
  const char* name;
  Bytes data;
};

std::vector<Sample> MakeSamples() {
  std::vector<Sample> samples;
  samples.push_back({"empty", {}});
  samples.push_back({"one byte", {0x41}});
  samples.push_back({"two bytes", {0x00, 0xFF}});
  samples.push_back({"run longer than a match", Bytes(1000, 'a')});
  samples.push_back({"spaces as in the initial window", FromString(std::string(200, ' ') + "x" + std::string(70, ' '))});
  samples.push_back({"incompressible", Random(20000, 1)});
  std::string text;
  for (int i = 0; i < 400; ++i) text += "part " + std::to_string(i % 37) + " of skin " + std::to_string(i % 11) + "\n";
  samples.push_back({"text", FromString(text)});
  // Repeats exactly one window back, and just beyond it.
  Bytes far = Random(4096, 2);
  const Bytes again = far;
  far.insert(far.end(), again.begin(), again.end());
  far.push_back(0);
  far.insert(far.end(), again.begin(), again.end());
  samples.push_back({"repeats at the window's reach", far});
  samples.push_back({"skin block", tbx::BuildSkinBlock(tbx::MakeSampleSkin(11, 5))});
  return samples;
}

const std::vector<Sample>& Samples() {
  static const std::vector<Sample> samples = MakeSamples();
  return samples;
}

// Encodings are slow under the sanitizers: each sample is encoded once.
const Bytes& Encoded(const Sample& sample, Parsing parsing = Parsing::kOptimal) {
  static std::map<std::pair<const Sample*, Parsing>, Bytes> cache;
  auto [it, added] = cache.try_emplace({&sample, parsing});
  if (added) it->second = LzariEncode(sample.data, parsing);
  return it->second;
}

TEST(LzariCodec, RoundTripsVariedDataWithEveryParsing) {
  for (const Sample& sample : Samples()) {
    for (Parsing parsing : {Parsing::kGreedy, Parsing::kLazy, Parsing::kOptimal}) {
      SCOPED_TRACE(std::string(sample.name) + ", parsing " + std::to_string(static_cast<int>(parsing)));
      const Bytes& stream = Encoded(sample, parsing);
      EXPECT_EQ(Decode(stream), sample.data);
      ExpectDecodersAgree(stream);
    }
  }
}

TEST(LzariCodec, PacksWhatRepeatsAndBarelyGrowsWhatDoesNot) {
  // 167 copies of 60 at about 10 bits each
  EXPECT_LT(LzariEncode(Bytes(10000, 'a')).size(), 300u) << "runs become overlapping copies";
  EXPECT_LT(LzariEncode(Bytes(60, ' ')).size(), 10u) << "spaces match the initial window";
  for (const Sample& sample : Samples()) {
    if (std::string(sample.name) == "incompressible") {
      EXPECT_LT(Encoded(sample).size(), sample.data.size() + sample.data.size() / 50);
    }
    if (std::string(sample.name) == "skin block") {
      EXPECT_LT(Encoded(sample).size(), sample.data.size() / 7);
      EXPECT_LE(Encoded(sample).size(), Encoded(sample, Parsing::kGreedy).size());
    }
  }
}

TEST(LzariCodec, HandMadeStreamsCopyAsTheWindowPrescribes) {
  {  // overlapping copy repeats the pattern
    LzariStreamWriter w(8);
    w.Literal('a');
    w.Literal('b');
    w.Match(6, 2);
    EXPECT_EQ(Decode(w.Finish()), FromString("abababab"));
  }
  {  // the window starts as 4036 spaces before the write index...
    LzariStreamWriter w(5);
    w.Match(4, 4036);
    w.Literal('!');
    EXPECT_EQ(Decode(w.Finish()), FromString("    !"));
  }
  {  // ...and zeros behind it, which only a non-conforming stream reads
    LzariStreamWriter w(4);
    w.Match(4, 4096);
    EXPECT_EQ(Decode(w.Finish()), Bytes(4, 0));
  }
  {  // a copy straddling the fill bytes and the zeros
    LzariStreamWriter w(3);
    w.Match(3, 4037);
    EXPECT_EQ(Decode(w.Finish()), FromString(std::string("\0  ", 3)));
  }
  {  // the last copy may run past the declared size; all of it is kept
    LzariStreamWriter w(3);
    w.Literal('z');
    w.Match(10, 1);
    EXPECT_EQ(Decode(w.Finish()), Bytes(11, 'z'));
  }
  {  // symbols beyond the declared size are never read
    LzariStreamWriter w(1);
    w.Literal('q');
    w.Literal('r');
    EXPECT_EQ(Decode(w.Finish()), FromString("q"));
  }
}

TEST(LzariCodec, SizeFieldExtremes) {
  EXPECT_TRUE(Decode({}, LzariStatus::kNoSize).empty());
  EXPECT_TRUE(Decode({1, 0, 0}, LzariStatus::kNoSize).empty());
  EXPECT_TRUE(Decode({0, 0, 0, 0}).empty()) << "declared size 0 gives an empty block";
  EXPECT_TRUE(Decode({0, 0, 0, 0, 0xAB, 0xCD}).empty());
  const std::uint32_t too_large = kMaxUnpackedSize + 1;
  Bytes huge(4);
  std::memcpy(huge.data(), &too_large, 4);
  huge.resize(64, 0x55);
  EXPECT_TRUE(Decode(huge, LzariStatus::kTooLarge).empty());
  // The largest size allowed, over a few bytes: refused once the bytes run out.
  const std::uint32_t largest = kMaxUnpackedSize;
  std::memcpy(huge.data(), &largest, 4);
  EXPECT_TRUE(Decode(huge, LzariStatus::kTruncated).empty());
}

TEST(LzariCodec, CutStreamsAreRefusedAndTrailingBytesIgnored) {
  for (const Sample& sample : Samples()) {
    if (sample.data.empty()) continue;
    SCOPED_TRACE(sample.name);
    const Bytes& stream = Encoded(sample);
    // Every cut within the last bytes, and a few deep ones.
    for (std::size_t cut = 1; cut <= std::min<std::size_t>(stream.size() - 4, 24); ++cut) {
      const Bytes shorter(stream.begin(), stream.end() - static_cast<std::ptrdiff_t>(cut));
      EXPECT_TRUE(Decode(shorter, shorter.size() < 4 ? LzariStatus::kNoSize : LzariStatus::kTruncated).empty())
          << "cut by " << cut;
    }
    Bytes longer = stream;
    longer.insert(longer.end(), {0xFF, 0x00, 0x5A});
    EXPECT_EQ(Decode(longer), sample.data);
  }
}

TEST(LzariCodec, RandomStreamsNeverFailUnsafelyAndDecodersAgree) {
  std::mt19937 rng(99);
  for (int i = 0; i < 400; ++i) {
    Bytes stream = Random(4 + rng() % 300, static_cast<std::uint32_t>(i));
    const std::uint32_t declared = rng() % (i % 2 ? 100000 : 300);
    std::memcpy(stream.data(), &declared, 4);
    ExpectDecodersAgree(stream);
  }
}

}  // namespace
}  // namespace tebix
