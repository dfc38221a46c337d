#include "melody/sound/melody_renderer.h"

#include "core/base/atomic_file.h"
#include "core/base/bytes.h"
#include "core/base/virtual_event_loop.h"
#include "melody/player/melody_player.h"
#include "melody/sound/square_wave.h"

#include <algorithm>

namespace pdx::melody {

namespace {

size_t sampleAt(Millis at, unsigned rate) {
  return static_cast<size_t>(at.count()) * rate / 1000;
}

} // namespace

ToneTimeline playOffline(const CMelody &melody, Millis limit) {
  VirtualEventLoop loop;
  RecordingOutput recorder(loop);
  CMelodyPlayer player(loop, recorder);
  player.SetMelody(&melody);
  loop.startTimer(limit, false, [&] { player.Stop(); });
  player.Play(0, -1);
  return ToneTimeline{recorder.events(), std::min(loop.now(), limit)};
}

size_t sampleCount(const ToneTimeline &timeline, unsigned rate) {
  return sampleAt(timeline.length, rate);
}

void synthesize(const ToneTimeline &timeline, unsigned rate,
                const std::function<void(std::span<const int16_t>)> &sink) {
  SquareWave wave(rate);
  std::vector<int16_t> block(8192);
  const size_t total = sampleCount(timeline, rate);
  size_t done = 0;
  for (size_t k = 0; k <= timeline.events.size() && done < total; ++k) {
    const size_t until =
        k < timeline.events.size() ? std::min(sampleAt(timeline.events[k].at, rate), total) : total;
    while (done < until) {
      const size_t n = std::min(block.size(), until - done);
      wave.render(std::span(block).first(n));
      sink(std::span<const int16_t>(block).first(n));
      done += n;
    }
    if (k < timeline.events.size()) {
      wave.setFrequency(timeline.events[k].hz);
    }
  }
}

std::vector<uint8_t> wavHeader(unsigned rate, size_t samples) {
  const auto dataBytes = static_cast<uint32_t>(samples * 2);
  ByteWriter out;
  out.text("RIFF", 4);
  out.u32(36 + dataBytes);
  out.text("WAVE", 4);
  out.text("fmt ", 4);
  out.u32(16);
  out.u16(1); // PCM
  out.u16(1); // mono
  out.u32(rate);
  out.u32(rate * 2);
  out.u16(2);
  out.u16(16);
  out.text("data", 4);
  out.u32(dataBytes);
  return out.take();
}

DocResult renderToWav(const CMelody &melody, const std::filesystem::path &path,
                      const RenderOptions &options) {
  const ToneTimeline timeline = playOffline(melody, options.limit);
  AtomicFile file(path);
  if (!file.open()) {
    return DocResult::CannotCreate;
  }
  bool ok = file.write(wavHeader(options.sampleRate, sampleCount(timeline, options.sampleRate)));
  std::vector<uint8_t> bytes;
  synthesize(timeline, options.sampleRate, [&](std::span<const int16_t> samples) {
    bytes.clear();
    for (int16_t s : samples) {
      bytes.push_back(static_cast<uint8_t>(s & 0xFF));
      bytes.push_back(static_cast<uint8_t>((static_cast<uint16_t>(s) >> 8) & 0xFF));
    }
    ok = ok && file.write(bytes);
  });
  return ok && file.commit() ? DocResult::Ok : DocResult::WriteError;
}

} // namespace pdx::melody
