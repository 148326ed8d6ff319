#include "tests/x86_decode/pe_exports.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace tebix::testing {
namespace {

struct Section {
  uint32_t virtual_address, virtual_size, raw_offset, raw_size, characteristics;
};

constexpr uint32_t kExecutable = 0x20000000;  // IMAGE_SCN_MEM_EXECUTE

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& d) : d_(d) {}
  bool ok() const { return ok_; }
  uint32_t u32(size_t at) { return read<uint32_t>(at); }
  uint16_t u16(size_t at) { return read<uint16_t>(at); }

 private:
  template <typename T>
  T read(size_t at) {
    T v{};
    if (at > d_.size() || d_.size() - at < sizeof(T)) {
      ok_ = false;
      return v;
    }
    std::memcpy(&v, d_.data() + at, sizeof(T));
    return v;
  }
  const std::vector<uint8_t>& d_;
  bool ok_ = true;
};

}  // namespace

PeImage ReadExports(const std::string& path) {
  PeImage image;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    image.error = "cannot open " + path;
    return image;
  }
  image.data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  Reader r(image.data);
  const uint32_t pe = r.u32(0x3C);
  if (!r.ok() || r.u32(pe) != 0x00004550 || r.u16(pe + 4) != 0x014C) {
    image.error = path + ": not a 32-bit x86 PE file";
    return image;
  }
  const uint16_t section_count = r.u16(pe + 6);
  const uint16_t optional_size = r.u16(pe + 20);
  const size_t opt = pe + 24;
  const uint32_t image_base = r.u32(opt + 28);
  const uint32_t export_rva = r.u32(opt + 96);
  const uint32_t export_size = r.u32(opt + 100);
  std::vector<Section> sections;
  for (uint16_t i = 0; i < section_count; ++i) {
    const size_t s = opt + optional_size + 40u * i;
    sections.push_back({r.u32(s + 12), r.u32(s + 8), r.u32(s + 20), r.u32(s + 16), r.u32(s + 36)});
  }
  if (!r.ok()) {
    image.error = path + ": truncated headers";
    return image;
  }
  auto find = [&](uint32_t rva) -> const Section* {
    for (const Section& s : sections) {
      if (rva >= s.virtual_address && rva - s.virtual_address < s.raw_size) return &s;
    }
    return nullptr;
  };
  auto offset = [&](uint32_t rva) -> size_t {
    const Section* s = find(rva);
    return s ? s->raw_offset + (rva - s->virtual_address) : image.data.size();
  };
  auto c_string = [&](size_t at) {
    std::string out;
    while (at < image.data.size() && image.data[at] != 0 && out.size() < 256) out += char(image.data[at++]);
    return out;
  };
  if (export_rva == 0) return image;  // nothing exported
  const size_t dir = offset(export_rva);
  const uint32_t function_count = r.u32(dir + 20);
  const uint32_t name_count = r.u32(dir + 24);
  const size_t functions = offset(r.u32(dir + 28));
  const size_t names = offset(r.u32(dir + 32));
  const size_t ordinals = offset(r.u32(dir + 36));
  for (uint32_t i = 0; i < name_count && r.ok(); ++i) {
    const uint16_t ordinal = r.u16(ordinals + 2u * i);
    if (ordinal >= function_count) continue;
    const uint32_t rva = r.u32(functions + 4u * ordinal);
    if (rva >= export_rva && rva - export_rva < export_size) continue;  // forwarder string
    const Section* s = find(rva);
    if (!s || !(s->characteristics & kExecutable)) continue;
    const size_t at = s->raw_offset + (rva - s->virtual_address);
    const size_t end = size_t(s->raw_offset) + s->raw_size;
    if (at >= image.data.size() || end > image.data.size()) continue;
    image.exports.push_back(
        {c_string(offset(r.u32(names + 4u * i))), image_base + rva, image.data.data() + at, end - at});
  }
  if (!r.ok()) image.error = path + ": truncated export table";
  return image;
}

}  // namespace tebix::testing
