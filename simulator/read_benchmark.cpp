// Reads a full phonebook of 200 entries from the simulator at the cable's
// real rate and compares the time with the protocol's own floor: the 100 ms
// pause before each frame the program sends, plus every byte of both
// directions at 1920 bytes a second.
#include "link/session/phone_session.h"
#include "platform/event_loop/qt_event_loop.h"
#include "platform/serial/comm_port.h"
#include "simulator/pty_phone.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace pdx::simulator {
namespace {

// Seconds the exchange needs at least; `lineBreaks` counts the CR LF pairs
// written before each password and ping.
double protocolFloor(const std::vector<link::FrameRecord> &frames, size_t lineBreaks) {
  double seconds = static_cast<double>(lineBreaks * 2) / kBytesPerSecond;
  for (const auto &record : frames) {
    const size_t bytes = record.frame.data.size() + 6;
    seconds += static_cast<double>(bytes) / kBytesPerSecond + (record.fromPhone ? 0.0 : 0.1);
  }
  return seconds;
}

void PacedPhonebookRead(benchmark::State &state) {
  static int argc = 1;
  static char name[] = "bench";
  static char *argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  for (auto _ : state) {
    PhoneModel model(sampleState());
    std::string error;
    auto phone = PtyPhone::create(model, error);
    if (!phone) {
      state.SkipWithError(error.c_str());
      return;
    }
    phone->setFaults(Faults{.pace = true});
    std::atomic<bool> stop{false};
    std::thread server([&] { phone->run(stop); });
    platform::QtEventLoop loop;
    platform::CCommPort port(loop, platform::PortTable{phone->devicePath()});
    {
      link::PhoneSession session(port, loop);
      if (session.connect("0000", 0) != link::Outcome::Ok) {
        state.SkipWithError("no connection");
      } else {
        const size_t before = session.frames().size();
        const auto start = std::chrono::steady_clock::now();
        const link::Outcome outcome = session.transfers().readPhonebook();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::vector<link::FrameRecord> frames(
            session.frames().begin() + static_cast<std::ptrdiff_t>(before), session.frames().end());
        const double floor = protocolFloor(frames, 1);
        state.SetIterationTime(seconds);
        state.counters["entries"] = static_cast<double>(
            std::count_if(session.store().phonePhonebook.begin(), session.store().phonePhonebook.end(),
                          [](const core::PhoneBookEntry &e) { return !e.isEmpty(); }));
        state.counters["frames"] = static_cast<double>(frames.size());
        state.counters["floor_s"] = floor;
        state.counters["measured_s"] = seconds;
        state.counters["ratio"] = seconds / floor;
        if (outcome != link::Outcome::Ok) {
          state.SkipWithError(link::describe(outcome));
        }
      }
    }
    stop = true;
    server.join();
  }
}

BENCHMARK(PacedPhonebookRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
} // namespace pdx::simulator

BENCHMARK_MAIN();
