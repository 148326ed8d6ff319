#include "tools/samples/sample_files.h"

#include <fstream>
#include <system_error>

#include "tools/samples/generators.h"

namespace vdk::samples {
namespace {

// Random bytes over the whole image; the table fillers then overwrite the
// fields they show. Eight bytes per draw, lowest first, so the result does
// not depend on the host's byte order.
Bytes RandomImage(std::size_t size, Stream stream) {
  Bytes bytes(size);
  Prng r = StreamFor(stream);
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (i % 8 == 0) bits = r.next();
    bytes[i] = static_cast<std::uint8_t>(bits);
    bits >>= 8;
  }
  return bytes;
}

std::string Describe(const std::error_code& ec) {
  return ec ? ec.message() : std::string("unknown error");
}

// Writes `bytes` to `target` through a temporary file beside it, so that a
// failure part-way never leaves a truncated game file behind.
bool WriteWhole(const std::filesystem::path& target, const Bytes& bytes, std::string& error) {
  std::filesystem::path temp = target;
  temp += ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      error = "cannot create " + temp.string();
      return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      error = "cannot write " + temp.string() + " (disk full?)";
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    error = "cannot replace " + target.string() + ": " + Describe(ec);
    return false;
  }
  return true;
}

}  // namespace

SampleFiles MakeSampleFiles() {
  SampleFiles files;
  files.sharedBin = RandomImage(kSharedBinSize, kStreamSharedFiller);
  FillUnits(files.sharedBin);
  FillWeapons(files.sharedBin);
  FillPilots(files.sharedBin);
  FillCombinationAttacks(files.sharedBin);
  FillTraining(files.sharedBin);
  FillEnhancementParts(files.sharedBin);
  FillAceBonuses(files.sharedBin);
  FillFullUpgradeBonuses(files.sharedBin);
  FillAmmoMaterials(files.sharedBin);

  files.exe = RandomImage(kExeSize, kStreamExeFiller);
  FillUpgradeCosts(files.exe);
  FillSkillEffects(files.exe);
  return files;
}

bool WriteSampleFiles(const std::filesystem::path& folder, WrittenPaths& written, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
      error = "cannot create the folder " + folder.string() + ": " + Describe(ec);
      return false;
    }
  }
  const SampleFiles files = MakeSampleFiles();
  const auto shared = folder / kSharedBinName;
  const auto exe = folder / kExeName;
  if (!WriteWhole(shared, files.sharedBin, error) || !WriteWhole(exe, files.exe, error)) return false;
  written.sharedBin = shared;
  written.exe = exe;
  return true;
}

std::uint64_t Fingerprint(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  for (std::uint8_t b : bytes) {
    h ^= b;
    h *= 0x100000001B3ull;
  }
  return h;
}

}  // namespace vdk::samples
