// Times vdktool's dump of every weapon and the load of that dump back, on
// the sample SHARED.BIN, as the tool runs them (name lists, checks, journal
// and all). Each figure is the best of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "tools/samples/sample_files.h"
#include "tools/vdktool/commands.h"
#include "tools/vdktool/csv.h"

namespace {

namespace fs = std::filesystem;

double BestMs(int runs, const std::function<void()>& prepare, const std::function<void()>& run) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    prepare();
    auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

int Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = vdk::tool::Run(args, out, err, VDK_DATA_FOLDER);
  if (code != vdk::tool::kDone) std::fprintf(stderr, "%s", err.str().c_str());
  return code;
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / "vdktool-bench";
  vdk::samples::WrittenPaths paths;
  std::string error;
  if (!vdk::samples::WriteSampleFiles(folder, paths, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const std::string game = paths.sharedBin.string();
  const std::string dump = (folder / "weapons.csv").string();
  const std::string json = (folder / "weapons.json").string();
  const std::string edited = (folder / "edited.csv").string();
  const int runs = 7;

  double dumpCsv = BestMs(runs, [] {}, [&] { Tool({"dump", "weapon", game, "-o", dump}); });
  double dumpJson = BestMs(runs, [] {}, [&] { Tool({"dump", "weapon", game, "--format", "json", "-o", json}); });
  double loadCsv = BestMs(runs, [] {}, [&] { Tool({"load", "weapon", game, dump}); });
  double loadJson = BestMs(runs, [] {}, [&] { Tool({"load", "weapon", game, json}); });

  // Every weapon's attack power changed: 1,628 records written, journaled.
  std::ifstream in(dump, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  vdk::tool::CsvError csvError;
  std::vector<vdk::tool::CsvRow> rows = *vdk::tool::ParseCsv(text, csvError);
  const std::size_t attack = static_cast<std::size_t>(std::find(rows[0].begin(), rows[0].end(), "攻击力") - rows[0].begin());
  const auto write = [&](int delta) {
    std::string csv;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      vdk::tool::CsvRow row = rows[r];
      if (r) row[attack] = std::to_string((std::stoul(row[attack]) + static_cast<unsigned long>(delta)) % 65536);
      csv += vdk::tool::CsvLine(row);
    }
    std::ofstream(edited, std::ios::binary) << csv;
  };
  int delta = 0;
  double loadChanged = BestMs(runs, [&] { write(++delta); }, [&] { Tool({"load", "weapon", game, edited}); });

  std::printf("vdktool on %zu weapons (best of %d runs)\n", rows.size() - 1, runs);
  std::printf("  dump csv                      %8.2f ms\n", dumpCsv);
  std::printf("  dump json                     %8.2f ms\n", dumpJson);
  std::printf("  load csv, unchanged           %8.2f ms\n", loadCsv);
  std::printf("  load json, unchanged          %8.2f ms\n", loadJson);
  std::printf("  load csv, every attack edited %8.2f ms\n", loadChanged);
  fs::remove_all(folder);
  return 0;
}
