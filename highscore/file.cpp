// Record access to "P1.dat" through the C library; failures are reported, never raised.
#include "highscore/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <system_error>

namespace kaldora {

namespace {

off_t Offset(int n) {
  return static_cast<off_t>(n - 1) * static_cast<off_t>(kRecordSize);
}

}  // namespace

std::string Reason(int error) {
  return std::error_code(error, std::generic_category()).message();
}

HighscoreFile::HighscoreFile(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  // A list that may not be changed is still shown. Not waiting keeps a FIFO by that name, opened
  // for reading alone, from blocking until some writer comes.
  if (fd_ < 0) {
    why_not_writable_ = Reason(errno);
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  }
  if (fd_ < 0)
    return;
  // A directory or a device by that name is no highscore file.
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    why_not_writable_ = S_ISDIR(info.st_mode) ? Reason(EISDIR) : "not a regular file";
    ::close(fd_);
    fd_ = -1;
  }
}

HighscoreFile::~HighscoreFile() {
  if (fd_ >= 0)
    ::close(fd_);
}

HighscoreSatz HighscoreFile::Read(int n) const {
  std::size_t present = 0;
  const RecordBytes bytes = ReadBytes(n, present);
  if (present == 0)
    return HighscoreSatz{};
  return DecodeRecord(bytes, present);
}

RecordBytes HighscoreFile::ReadBytes(int n, std::size_t& present) const {
  assert(n >= 1 && n <= kHighscorePlaces);
  RecordBytes bytes{};
  present = 0;
  while (fd_ >= 0 && present < kRecordSize) {
    const ssize_t got = ::pread(fd_, bytes.data() + present, kRecordSize - present,
                                Offset(n) + static_cast<off_t>(present));
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0) {
      present = 0;
      return {};
    }
    if (got == 0)
      break;
    present += static_cast<std::size_t>(got);
  }
  return bytes;
}

}  // namespace kaldora
