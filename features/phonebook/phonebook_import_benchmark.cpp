// The loads that once took quadratic time: a damaged data file that
// declares 120,000 groups, a 120,000-line import (each line a new name
// checked against every name before it), and a 1 MB vCard line of
// quoted-printable soft breaks without a colon (its head searched again
// after every break).
#include "core/data/datafile.h"
#include "features/phonebook/phonebook_import.h"

#include <benchmark/benchmark.h>

namespace pdx::features {
namespace {

constexpr int kRecords = 120000;

std::vector<uint8_t> manyGroupsFile() {
  core::CDataStore store;
  std::vector<uint8_t> bytes = core::encodeDataFile(store);
  bytes.resize(64); // the header
  ByteWriter out;
  out.u32(kRecords);
  for (int i = 0; i < kRecords; ++i) {
    core::PhoneGroup group;
    group.id = static_cast<uint16_t>(i % 20);
    group.name.set("g" + std::to_string(i));
    group.writeTo(out);
  }
  out.u32(0);
  const std::vector<uint8_t> records = out.take();
  bytes.insert(bytes.end(), records.begin(), records.end());
  return bytes;
}

void LoadDataFileOf120000Groups(benchmark::State &state) {
  const std::vector<uint8_t> bytes = manyGroupsFile();
  for (auto _ : state) {
    core::CDataStore store;
    benchmark::DoNotOptimize(core::decodeDataFile(bytes, store));
  }
}
BENCHMARK(LoadDataFileOf120000Groups)->Unit(benchmark::kMillisecond);

void Import120000Lines(benchmark::State &state) {
  std::string text;
  for (int i = 0; i < kRecords; ++i) {
    text += "name" + std::to_string(i) + " g" + std::to_string(i % 30) + " 010-1234-" +
            std::to_string(i % 10000) + " 02-555-0100\n";
  }
  for (auto _ : state) {
    core::CDataStore store;
    const ImportResult result = importPhonebookFile(text, store, offlineGroupCreator(store));
    benchmark::DoNotOptimize(result.added);
  }
}
BENCHMARK(Import120000Lines)->Unit(benchmark::kMillisecond);

void ImportOneMegabyteFoldedCard(benchmark::State &state) {
  std::string card = "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE=\r\n";
  while (card.size() < (size_t(1) << 20)) {
    card += "=41=42=43=\r\n";
  }
  card += "\r\nTEL:02-1\r\nEND:VCARD\r\n";
  for (auto _ : state) {
    core::CDataStore store;
    const ImportResult result = importPhonebookFile(card, store, offlineGroupCreator(store));
    benchmark::DoNotOptimize(result.skipped);
  }
}
BENCHMARK(ImportOneMegabyteFoldedCard)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pdx::features

BENCHMARK_MAIN();
