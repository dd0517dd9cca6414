// The playback thread, which plays each sound through the sound module it loads for the first.
#include "control/pulse/pulsesound.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <system_error>

#include "control/pulse/soundmodule.h"

namespace kaldora {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// How long a synchronous caller waits for a sound to get going: twice the module's wait for a
// server to answer.
constexpr auto kStartLimit = 1000ms;
// Once a sound plays, a synchronous caller waits for its length and this much more, for the
// server's buffer to run out; a drain that takes longer no longer holds the board.
constexpr auto kDrainMargin = 250ms;

}  // namespace

struct PulseSound::Shared {
  std::mutex mutex;
  std::condition_variable wake;  // a request or the end for the thread
  std::condition_variable done;  // a finished sound for a waiting caller, or the thread's end
  std::string path;
  std::uint64_t requested = 0;
  std::uint64_t started = 0;
  std::uint64_t finished = 0;
  // A synchronous caller waits no longer than this, even if the server stops answering.
  Clock::time_point deadline;
  bool quit = false;
  bool ended = false;          // the thread has left its loop
  bool begun = true;           // the libraries may be loaded
  Clock::time_point begin_at;  // when they may at the latest
};

namespace {

bool Interrupted(PulseSound::Shared& shared) {
  std::lock_guard lock(shared.mutex);
  return shared.quit || shared.requested != shared.started;
}

// The sound module beside the program, loaded by the thread for its first sound; nullptr, said
// once on stderr, when it is missing or cannot be loaded, and then the game is silent.
SoundPlayFunction LoadModule() {
  std::error_code error;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
  void* module = nullptr;
  if (!error)
    module = dlopen(program.parent_path().append(kSoundModule).c_str(), RTLD_NOW | RTLD_LOCAL);
  void* play = module ? dlsym(module, kSoundPlaySymbol) : nullptr;
  if (!play) {
    const char* why = dlerror();
    std::fprintf(stderr, "kaldora: no sound: %s\n",
                 why     ? why
                 : error ? error.message().c_str()
                         : kSoundModule);
  }
  return reinterpret_cast<SoundPlayFunction>(play);
}

// With PULSE_SERVER set, libpulse tries only the addresses it names. When these are all local
// sockets and none is there, no server can answer, and there is no need to load the sound
// libraries to learn it; a server that comes later is found by a later sound. Everything else,
// network addresses or the search without PULSE_SERVER, is left to libpulse.
bool NamedServersAbsent() {
  const char* named = std::getenv("PULSE_SERVER");
  std::string_view rest = named != nullptr ? named : "";
  bool any = false;
  for (;;) {
    const auto begin = rest.find_first_not_of(" \t\n");
    if (begin == std::string_view::npos)
      return any;
    rest.remove_prefix(begin);
    std::string_view address = rest.substr(0, rest.find_first_of(" \t\n"));
    rest.remove_prefix(address.size());
    any = true;
    if (address.starts_with('{'))  // meant only for the machine of that id
      address.remove_prefix(std::min(address.size(), address.find('}') + 1));
    if (address.starts_with("unix:"))
      address.remove_prefix(5);
    struct stat there {};
    if (!address.starts_with('/') || ::stat(std::string(address).c_str(), &there) == 0)
      return false;
  }
}

void PlayOne(PulseSound::Shared& shared, SoundPlayFunction play, const std::string& path) {
  KaldoraSoundCalls calls;
  calls.context = &shared;
  calls.interrupted = [](void* context) {
    return Interrupted(*static_cast<PulseSound::Shared*>(context));
  };
  // The sound's own length sets the synchronous caller's deadline; kSyncLimit still bounds it.
  calls.playing = [](void* context, double seconds) {
    auto& shared = *static_cast<PulseSound::Shared*>(context);
    std::lock_guard lock(shared.mutex);
    if (shared.requested == shared.started)
      shared.deadline = Clock::now() + kDrainMargin +
                        std::chrono::duration_cast<Clock::duration>(
                            std::chrono::duration<double>(std::min(seconds, 1e6)));
  };
  play(path.c_str(), &calls);
}

void Run(const std::shared_ptr<PulseSound::Shared>& shared) {
  bool loaded = false;
  SoundPlayFunction play = nullptr;
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->wake.wait(lock, [&] { return shared->quit || shared->requested != shared->started; });
    if (!loaded && !shared->begun && !NamedServersAbsent()) {
      shared->wake.wait_until(lock, shared->begin_at,
                              [&] { return shared->quit || shared->begun; });
    }
    if (shared->quit)
      break;
    shared->started = shared->requested;
    const std::string path = shared->path;
    lock.unlock();
    if (!loaded && !NamedServersAbsent()) {
      play = LoadModule();
      loaded = true;
    }
    if (play)
      PlayOne(*shared, play, path);
    lock.lock();
    shared->finished = shared->started;
    shared->done.notify_all();
  }
  shared->ended = true;
  shared->done.notify_all();
}

// How long the end of the program waits for the thread to let its stream go.
constexpr auto kEndLimit = 300ms;

}  // namespace

PulseSound::PulseSound(Load load)
    : shared_([load] {
        auto shared = std::make_shared<Shared>();
        shared->begun = load == Load::kAtFirstSound;
        shared->begin_at = Clock::now() + kHoldLimit;
        return shared;
      }()),
      thread_([shared = shared_] { Run(shared); }) {}

void PulseSound::Begin() {
  std::lock_guard lock(shared_->mutex);
  shared_->begun = true;
  shared_->wake.notify_one();
}

PulseSound::~PulseSound() {
  std::unique_lock lock(shared_->mutex);
  shared_->quit = true;
  shared_->wake.notify_one();
  // A stopped server or a hung file never lets the thread go; the end of the process then does.
  if (shared_->done.wait_for(lock, kEndLimit, [this] { return shared_->ended; })) {
    lock.unlock();
    thread_.join();
  } else {
    lock.unlock();
    thread_.detach();
  }
}

void PulseSound::Play(std::string_view name, std::int32_t flags) {
  std::string path(name);
  std::replace(path.begin(), path.end(), '\\', '/');
  std::unique_lock lock(shared_->mutex);
  shared_->path = std::move(path);
  const std::uint64_t id = ++shared_->requested;
  const auto called = Clock::now();
  shared_->deadline = called + kStartLimit;
  shared_->wake.notify_one();
  if (flags & kAsync)
    return;
  // The thread moves the deadline on once it knows how long the sound is; a long one plays on.
  while (shared_->finished < id) {
    const auto deadline = std::min(shared_->deadline, called + kSyncLimit);
    if (Clock::now() >= deadline)
      break;
    shared_->done.wait_until(lock, deadline);
  }
}

}  // namespace kaldora
