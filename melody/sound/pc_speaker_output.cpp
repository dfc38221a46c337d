#include "melody/sound/pc_speaker_output.h"

#include <algorithm>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

namespace pdx::melody {

namespace fs = std::filesystem;

namespace {

bool soundsTones(int fd) {
  unsigned long bits = 0;
  if (::ioctl(fd, EVIOCGBIT(EV_SND, sizeof bits), &bits) < 0) {
    return false;
  }
  return (bits >> SND_TONE) & 1UL;
}

// The pcspkr driver's own name first, then every event device.
std::vector<fs::path> candidates(const fs::path &inputDir) {
  std::vector<fs::path> paths;
  std::error_code error;
  const fs::path byPath = inputDir / "by-path" / "platform-pcspkr-event-spkr";
  if (fs::exists(byPath, error)) {
    paths.push_back(byPath);
  }
  std::vector<fs::path> events;
  for (fs::directory_iterator it(inputDir, error), end; !error && it != end; it.increment(error)) {
    if (it->path().filename().string().rfind("event", 0) == 0) {
      events.push_back(it->path());
    }
  }
  std::sort(events.begin(), events.end());
  paths.insert(paths.end(), events.begin(), events.end());
  return paths;
}

} // namespace

std::unique_ptr<PcSpeakerOutput> PcSpeakerOutput::open(const fs::path &inputDir) {
  for (const fs::path &path : candidates(inputDir)) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
      continue;
    }
    if (soundsTones(fd)) {
      return std::unique_ptr<PcSpeakerOutput>(new PcSpeakerOutput(fd));
    }
    ::close(fd);
  }
  return nullptr;
}

PcSpeakerOutput::~PcSpeakerOutput() {
  toneOff();
  ::close(fd_);
}

void PcSpeakerOutput::toneOn(unsigned hz) {
  send(static_cast<int>(std::min(hz, 32766u)));
}

void PcSpeakerOutput::toneOff() {
  send(0);
}

void PcSpeakerOutput::send(int value) {
  input_event event{};
  event.type = EV_SND;
  event.code = SND_TONE;
  event.value = value;
  // A lost tone change is not worth stopping the melody for.
  [[maybe_unused]] const ssize_t written = ::write(fd_, &event, sizeof event);
}

} // namespace pdx::melody
