// Preloaded into the game: counts its writes to "P1.dat" files and its renames of them, and kills
// the process with SIGKILL just before the one numbered KALDORA_KILL_AT. KALDORA_WRITE_DELAY_MS
// holds each of them back that long, so that two copies of the game overlap for certain.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/uio.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<bool> watched[4096];
std::atomic<int> count{0};

bool Named(const char* path) {
  return path && std::strstr(path, "P1.dat");
}

void Watch(int fd, const char* path) {
  if (fd >= 0 && fd < 4096)
    watched[fd] = Named(path);
}

// Called before each write or rename of the list.
void Step() {
  if (const char* delay = std::getenv("KALDORA_WRITE_DELAY_MS"))
    ::usleep(static_cast<useconds_t>(std::atoi(delay)) * 1000);
  const int n = ++count;
  const char* at = std::getenv("KALDORA_KILL_AT");
  if (at && std::atoi(at) == n)
    ::kill(::getpid(), SIGKILL);
}

bool IsWatched(int fd) {
  return fd >= 0 && fd < 4096 && watched[fd];
}

template <typename F>
F Next(const char* name) {
  return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

int OpenVia(const char* name, int dirfd, const char* path, int flags, mode_t mode) {
  int fd = -1;
  if (dirfd == -1)
    fd = Next<int (*)(const char*, int, ...)>(name)(path, flags, mode);
  else
    fd = Next<int (*)(int, const char*, int, ...)>(name)(dirfd, path, flags, mode);
  Watch(fd, path);
  return fd;
}

mode_t ModeOf(int flags, va_list args) {
  return (flags & O_CREAT) || (flags & __O_TMPFILE) == __O_TMPFILE ? va_arg(args, mode_t) : 0;
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  return OpenVia("open", -1, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  return OpenVia("open64", -1, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  return OpenVia("openat", dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeOf(flags, args);
  va_end(args);
  return OpenVia("openat64", dirfd, path, flags, mode);
}

int mkostemp(char* pattern, int flags) {
  const int fd = Next<int (*)(char*, int)>("mkostemp")(pattern, flags);
  Watch(fd, pattern);
  return fd;
}

ssize_t write(int fd, const void* data, size_t size) {
  if (IsWatched(fd))
    Step();
  return Next<ssize_t (*)(int, const void*, size_t)>("write")(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t at) {
  if (IsWatched(fd))
    Step();
  return Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, data, size, at);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off64_t at) {
  if (IsWatched(fd))
    Step();
  return Next<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64")(fd, data, size, at);
}

ssize_t writev(int fd, const iovec* parts, int n) {
  if (IsWatched(fd))
    Step();
  return Next<ssize_t (*)(int, const iovec*, int)>("writev")(fd, parts, n);
}

int rename(const char* from, const char* to) {
  if (Named(from) || Named(to))
    Step();
  return Next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int from_dir, const char* from, int to_dir, const char* to) {
  if (Named(from) || Named(to))
    Step();
  return Next<int (*)(int, const char*, int, const char*)>("renameat")(from_dir, from, to_dir, to);
}

int close(int fd) {
  if (fd >= 0 && fd < 4096)
    watched[fd] = false;
  return Next<int (*)(int)>("close")(fd);
}

}  // extern "C"
