// Storing a whole highscore list: under a lock of its folder, into a new file renamed over the old.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <string_view>
#include <thread>
#include <vector>

#include "highscore/file.h"

namespace kaldora {

namespace {

using namespace std::chrono_literals;

// A copy of the game that holds the lock needs milliseconds; one that is stopped must not stop
// this one for good, so after this long the list is stored without the lock.
constexpr auto kLockLimit = 3s;
constexpr std::size_t kListSize = kRecordSize * kHighscorePlaces;
// Beyond this much after record 11 (another program's data, a sparse file of gigabytes) the file
// is not copied: the list is written where it lies, in one write, so that the window answers at
// once and no memory or disk goes to bytes that stay as they are.
constexpr off_t kLongestCopiedTail = 1 << 20;

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends in, which need not exist yet: the link itself stays as
// it is and points to the new list.
std::string Target(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
      return current;
    std::vector<char> link(PATH_MAX + 1);
    const ssize_t length = ::readlink(current.c_str(), link.data(), link.size() - 1);
    if (length < 0)
      return current;
    const std::string to(link.data(), static_cast<std::size_t>(length));
    current = to.starts_with('/') ? to : FolderOf(current) + "/" + to;
  }
  return current;
}

// An advisory lock on the folder that holds the file: the folder stays the same inode while the
// file is replaced, and nothing new appears beside the list.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder)
      : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    const auto give_up = std::chrono::steady_clock::now() + kLockLimit;
    while (fd_ >= 0 && !held_) {
      held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
      if (held_ || errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= give_up)
        break;
      std::this_thread::sleep_for(5ms);
    }
  }
  ~FolderLock() {
    if (fd_ >= 0)
      ::close(fd_);  // also lets the lock go
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return held_; }
  int fd() const { return fd_; }

 private:
  int fd_;
  bool held_ = false;
};

bool WriteAll(int fd, const std::string& bytes, off_t at) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
    if (put < 0 && errno == EINTR)
      continue;
    if (put < 0)
      return false;
    if (put == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// What lies beyond record 11, kept as it is.
bool ReadTail(int fd, std::string& tail) {
  char buffer[65536];
  for (off_t at = kListSize;;) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return false;
    if (got == 0)
      return true;
    tail.append(buffer, static_cast<std::size_t>(got));
    at += got;
  }
}

// The new file beside the old one, under a name of its own: a fixed name could be held by another
// user's file or a folder of that name, and block every save.
int CreateNew(const std::string& target, std::string& name) {
  name = FolderOf(target) + "/." + NameOf(target) + ".new.XXXXXX";
  return ::mkostemp(name.data(), O_CLOEXEC);
}

// What copies of the game killed while saving left beside the list, this user's only. Under the
// lock no other copy is writing one; a folder that may not be read keeps them.
void RemoveLeftovers(const std::string& target) {
  DIR* folder = ::opendir(FolderOf(target).c_str());
  if (folder == nullptr)
    return;
  const std::string prefix = "." + NameOf(target) + ".new.";
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    struct stat info {};
    if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
        ::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
  }
  ::closedir(folder);
}

StoreOutcome Failed(const std::string& path, const std::string& why) {
  return {false, path + ": " + why};
}

}  // namespace

StoreOutcome ReplaceList(const std::string& path,
                         const std::function<HighscoreList(const HighscoreList&)>& change) {
  const std::string target = Target(path);
  const FolderLock lock(FolderOf(target));
  const HighscoreFile old(target);
  HighscoreList list;
  for (int n = 1; n <= kHighscorePlaces; ++n)
    list[static_cast<std::size_t>(n - 1)] = old.Read(n);
  list = change(list);
  if (!old.why_not_writable().empty())
    return Failed(path, old.why_not_writable());

  // A record that stays in the list is written back as the file held it: bytes Windows-1252
  // leaves undefined, or zero bytes, would not survive decoding and encoding again. Each record of
  // the file serves once, the first that encodes the same as the entry.
  std::array<RecordBytes, kHighscorePlaces> held{};
  std::array<bool, kHighscorePlaces> unused{};
  for (int n = 1; n <= kHighscorePlaces; ++n) {
    std::size_t present = 0;
    held[static_cast<std::size_t>(n - 1)] = old.ReadBytes(n, present);
    unused[static_cast<std::size_t>(n - 1)] = present == kRecordSize;
  }
  const RecordBytes empty = EncodeRecord(HighscoreSatz{});
  std::string bytes;
  for (const HighscoreSatz& entry : list) {
    RecordBytes record = EncodeRecord(entry);
    // An empty place is written as one: what a reset writes, and nothing worth keeping.
    for (std::size_t j = 0; j < held.size() && record != empty; ++j) {
      if (unused[j] && EncodeRecord(DecodeRecord(held[j], kRecordSize)) == record) {
        record = held[j];
        unused[j] = false;
        break;
      }
    }
    bytes.append(record.begin(), record.end());
  }
  struct stat info {};
  if (::fstat(old.fd(), &info) != 0)
    return Failed(path, Reason(errno));
  const bool long_tail = info.st_size > static_cast<off_t>(kListSize) + kLongestCopiedTail;
  if (!long_tail && !ReadTail(old.fd(), bytes))
    return Failed(path, Reason(errno));

  // A file that must keep its hard links or an owner this user cannot give, or one in a folder
  // where nothing new may be made, is written where it lies, in one write.
  std::string name;
  int fd = -1;
  bool in_place = info.st_nlink != 1 || long_tail;
  if (!in_place) {
    if (lock.held())
      RemoveLeftovers(target);
    fd = CreateNew(target, name);
    struct stat made {};
    if (fd < 0) {
      if (errno != EACCES && errno != EPERM)
        return Failed(path, Reason(errno));
      in_place = true;
    } else if ((::fstat(fd, &made) != 0 || made.st_uid != info.st_uid ||
                made.st_gid != info.st_gid) &&
               ::fchown(fd, info.st_uid, info.st_gid) != 0) {
      ::close(fd);
      ::unlink(name.c_str());
      in_place = true;
    }
  }
  if (in_place) {
    if (!WriteAll(old.fd(), bytes, 0) || ::fsync(old.fd()) != 0)
      return Failed(path, Reason(errno));
    return {true, {}};
  }

  int error = 0;
  if (::fchmod(fd, info.st_mode & 07777) != 0 || !WriteAll(fd, bytes, 0) || ::fsync(fd) != 0)
    error = errno;
  if (::close(fd) != 0 && error == 0)
    error = errno;
  if (error == 0 && ::rename(name.c_str(), target.c_str()) != 0)
    error = errno;
  if (error != 0) {
    ::unlink(name.c_str());
    return Failed(path, Reason(error));
  }
  // The rename itself reaches the disk only with its folder.
  if (lock.fd() >= 0)
    ::fsync(lock.fd());
  return {true, {}};
}

}  // namespace kaldora
