// Reads the full SIM phonebook (250 entries) and 30 messages from the AT
// modem simulator paced at 115200 baud, and compares the time with what
// the bytes on the wire need both ways; the process's CPU time shows that
// nothing spins while waiting.
#include "link/at/at_phone.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/serial/comm_port.h"
#include "simulator/at/at_pty_modem.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <thread>

namespace pdx::simulator::at {
namespace {

double cpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The SIM book and every message; true when everything was read.
bool readAll(pdx::at::AtPhone &phone, size_t &entries, size_t &messages) {
  pdx::at::PhonebookMemory memory;
  pdx::at::StorageUse use;
  std::vector<pdx::at::AtContact> contacts;
  std::vector<pdx::at::StoredSms> stored;
  const bool ok = phone.selectPhonebook("SM", memory).ok() && phone.readPhonebook(contacts).ok() &&
                  phone.selectMessageStorage("SM", use).ok() && phone.listMessages(stored).ok();
  entries = contacts.size();
  messages = stored.size();
  return ok;
}

void PacedAtRead(benchmark::State &state) {
  static int argc = 1;
  static char name[] = "bench";
  static char *argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  for (auto _ : state) {
    AtModem modem(sampleModemState(AtModemState::kMessagePlaces));
    std::string error;
    auto pty = AtPtyModem::create(modem, error);
    if (!pty) {
      state.SkipWithError(error.c_str());
      return;
    }
    pty->setFaults(AtFaults{.pace = true});
    std::atomic<bool> stop{false};
    std::thread server([&] { pty->run(stop); });
    platform::QtEventLoop loop;
    platform::CCommPort port(loop, platform::PortTable{pty->devicePath()});
    port.settings().baudRate = 115200;
    port.settings().rtsCts = 0;
    if (!port.openConfigured()) {
      state.SkipWithError("cannot open");
    } else {
      pdx::at::AtPhone phone(port, loop);
      const bool ready = phone.probe().ok() &&
                         phone.unlock([](int) { return std::optional<std::string>("1234"); }).ok() &&
                         phone.chooseCharset().ok();
      const size_t before = pty->bytesIn() + pty->bytesOut();
      const double cpuBefore = cpuSeconds();
      const auto start = std::chrono::steady_clock::now();
      size_t entries = 0;
      size_t messages = 0;
      const bool read = ready && readAll(phone, entries, messages);
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const double wire = static_cast<double>(pty->bytesIn() + pty->bytesOut() - before) / kAtBytesPerSecond;
      state.SetIterationTime(seconds);
      state.counters["entries"] = static_cast<double>(entries);
      state.counters["messages"] = static_cast<double>(messages);
      state.counters["wire_s"] = wire;
      state.counters["measured_s"] = seconds;
      state.counters["ratio"] = seconds / wire;
      state.counters["cpu_share"] = (cpuSeconds() - cpuBefore) / seconds;
      if (!read) {
        state.SkipWithError("read failed");
      }
    }
    stop = true;
    server.join();
  }
}

BENCHMARK(PacedAtRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
} // namespace pdx::simulator::at

BENCHMARK_MAIN();
