// The LZARI encoder of the skin tool: turns any byte block into the stream a
// skin file carries behind its magic (unpacked size, then the bit stream),
// exactly in the form the library's decoder reads.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tebix::tbx {

// How the encoder chooses between literals and matches.
enum class Parsing {
  kGreedy,   // always the longest match at the current position
  kLazy,     // a literal first when the next position has a longer match
  kOptimal,  // cheapest path through all matches, priced from the current model
  kSmallest, // lazy and optimal both, keeping the shorter stream
};

// Encodes `data` (at most 4 GiB - 1 bytes). Empty data gives just the size.
std::vector<std::uint8_t> LzariEncode(std::span<const std::uint8_t> data, Parsing parsing = Parsing::kSmallest);

// Writes a stream symbol by symbol, for streams made by hand: any declared
// size, any sequence of literals and matches. Nothing is checked against
// the data; the caller decides what the matches copy.
class LzariStreamWriter {
 public:
  explicit LzariStreamWriter(std::uint32_t declared_size);
  ~LzariStreamWriter();
  LzariStreamWriter(const LzariStreamWriter&) = delete;
  LzariStreamWriter& operator=(const LzariStreamWriter&) = delete;

  void Literal(std::uint8_t byte);
  // Copies `length` (3..60) bytes starting `distance` (1..4096) bytes back.
  void Match(int length, int distance);
  // Closes the stream; the writer is spent afterwards.
  std::vector<std::uint8_t> Finish();

  class Coder;  // the arithmetic coder behind it

 private:
  friend std::vector<std::uint8_t> LzariEncode(std::span<const std::uint8_t>, Parsing);
  std::vector<std::uint8_t> out_;
  std::unique_ptr<Coder> coder_;
};

}  // namespace tebix::tbx
