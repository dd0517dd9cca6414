// The sound module (kaldora-sound.so): each sound decoded with libsndfile, written through
// libpulse-simple.
#include "control/pulse/soundmodule.h"

#include <fcntl.h>
#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/simple.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A server that has not answered within this counts as none, so the game never waits for one.
constexpr auto kConnectLimit = 500ms;
// Little enough buffered in the server that a new sound cuts the old one at once.
constexpr auto kLatency = 50ms;

// In place of the desktop's default sound: short, so that a synchronous call for a file that
// cannot be played hardly waits.
constexpr int kBeepRate = 22050;
std::vector<std::int16_t> MakeBeep() {
  const int frames = kBeepRate * 3 / 20;
  std::vector<std::int16_t> beep(static_cast<std::size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const double t = double(i) / kBeepRate;
    const double fade = std::min({1.0, t / 0.005, double(frames - i) / kBeepRate / 0.03});
    beep[static_cast<std::size_t>(i)] =
        static_cast<std::int16_t>(9000 * fade * std::sin(2 * std::numbers::pi * 880 * t));
  }
  return beep;
}

// Only a plain file: a FIFO would hold the thread until some writer came, and a directory or a
// device is no sound.
SNDFILE* OpenRegular(const char* path, SF_INFO& info) {
  const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return nullptr;
  struct stat file {};
  if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  SNDFILE* sound = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
  if (!sound)
    ::close(fd);
  return sound;
}

// The frames of one WAV file as 16-bit samples, or the beep when the file cannot be played.
class Source {
 public:
  explicit Source(const char* path) {
    SF_INFO info{};
    file_ = OpenRegular(path, info);
    const int type = info.format & SF_FORMAT_TYPEMASK;
    spec_ = {PA_SAMPLE_S16NE, static_cast<std::uint32_t>(info.samplerate),
             static_cast<std::uint8_t>(std::clamp(info.channels, 0, 255))};
    if (file_ && (type == SF_FORMAT_WAV || type == SF_FORMAT_WAVEX) &&
        info.channels <= int{PA_CHANNELS_MAX} && pa_sample_spec_valid(&spec_)) {
      frames_ = info.frames;
      return;
    }
    if (file_)
      sf_close(file_);
    file_ = nullptr;
    spec_ = {PA_SAMPLE_S16NE, kBeepRate, 1};
    beep_ = MakeBeep();
    frames_ = static_cast<sf_count_t>(beep_.size());
  }
  ~Source() {
    if (file_)
      sf_close(file_);
  }
  Source(const Source&) = delete;
  Source& operator=(const Source&) = delete;

  const pa_sample_spec& format() const { return spec_; }
  double Seconds() const { return static_cast<double>(frames_) / static_cast<double>(spec_.rate); }

  // Fills `out` with up to 20 milliseconds of whole frames; returns the number of frames, 0 at
  // the end or on a read error.
  std::size_t Read(std::vector<std::int16_t>& out) {
    const sf_count_t want = std::max<sf_count_t>(1, spec_.rate / 50);
    out.resize(static_cast<std::size_t>(want) * spec_.channels);
    if (file_)
      return static_cast<std::size_t>(
          std::max<sf_count_t>(0, sf_readf_short(file_, out.data(), want)));
    const std::size_t n = std::min(static_cast<std::size_t>(want), beep_.size() - played_);
    std::copy_n(beep_.begin() + static_cast<std::ptrdiff_t>(played_), n, out.begin());
    played_ += n;
    return n;
  }

 private:
  SNDFILE* file_ = nullptr;
  pa_sample_spec spec_{};
  sf_count_t frames_ = 0;
  std::vector<std::int16_t> beep_;
  std::size_t played_ = 0;
};

// Connects without ever starting a server and gives the address of the one that answered, or ""
// when none did within kConnectLimit. The stream then goes to that very address, so that
// libpulse-simple, too, never spawns a server nor waits for one.
std::string FindServer() {
  std::string server;
  pa_mainloop* loop = pa_mainloop_new();
  if (!loop)
    return server;
  pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "KALDORA");
  if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
    const auto deadline = Clock::now() + kConnectLimit;
    pa_context_state_t state = pa_context_get_state(context);
    while (PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY && Clock::now() < deadline) {
      const auto left =
          std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
      const int timeout = static_cast<int>(std::max<std::int64_t>(0, left.count()));
      if (pa_mainloop_prepare(loop, timeout) < 0 || pa_mainloop_poll(loop) < 0 ||
          pa_mainloop_dispatch(loop) < 0)
        break;
      state = pa_context_get_state(context);
    }
    const char* address = state == PA_CONTEXT_READY ? pa_context_get_server(context) : nullptr;
    if (address)
      server = address;
    pa_context_disconnect(context);
  }
  if (context)
    pa_context_unref(context);
  pa_mainloop_free(loop);
  return server;
}

}  // namespace

extern "C" {

// Opens the stream only for the one sound, so that nothing is held while the game is quiet.
__attribute__((visibility("default"))) void kaldora_sound_play(const char* path,
                                                               const KaldoraSoundCalls* calls) {
  const std::string server = FindServer();
  if (server.empty())
    return;
  Source source(path);
  calls->playing(calls->context, source.Seconds());
  pa_buffer_attr buffer;
  buffer.maxlength = static_cast<std::uint32_t>(-1);
  buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(
      std::chrono::duration_cast<std::chrono::microseconds>(kLatency).count(), &source.format()));
  buffer.prebuf = static_cast<std::uint32_t>(-1);
  buffer.minreq = static_cast<std::uint32_t>(-1);
  buffer.fragsize = static_cast<std::uint32_t>(-1);
  int error = 0;
  pa_simple* stream = pa_simple_new(server.c_str(), "KALDORA", PA_STREAM_PLAYBACK, nullptr,
                                    "game sound", &source.format(), nullptr, &buffer, &error);
  if (!stream)
    return;
  const std::size_t frame = pa_frame_size(&source.format());
  std::vector<std::int16_t> chunk;
  bool cut = false;
  while (!(cut = calls->interrupted(calls->context))) {
    const std::size_t frames = source.Read(chunk);
    if (frames == 0)
      break;
    if (pa_simple_write(stream, chunk.data(), frames * frame, &error) < 0) {
      cut = true;  // the server went away
      break;
    }
  }
  if (cut)
    pa_simple_flush(stream, &error);
  else
    pa_simple_drain(stream, &error);
  pa_simple_free(stream);
}

}  // extern "C"
