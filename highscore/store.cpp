// Storing a whole highscore list: under a lock of the list itself, into a new file renamed over it.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

#include "highscore/file.h"

namespace kaldora {

namespace {

using namespace std::chrono_literals;

// How often a copy that waits for another's save looks again, letting its window run between.
constexpr auto kLockPoll = 10ms;
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

// The list opened and locked, as the file the path names now: a lock taken on a file that another
// copy has just renamed away locks nothing, so the path is opened again. A lock of the file rather
// than its folder works wherever the list can be written, in a folder that may not be read too.
// While another copy saves, `wait` runs between the tries; that copy may take as long as it needs
// (slow storage, or stopped), since storing without it would lose one of the two entries.
std::unique_ptr<HighscoreFile> OpenLocked(const std::string& target, bool& locked,
                                          const std::function<void()>& wait) {
  for (;;) {
    auto file = std::make_unique<HighscoreFile>(target);
    locked = false;
    if (!file->is_open())
      return file;
    if (::flock(file->fd(), LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR)
        continue;
      // A file system without locks: stored as it was before they came.
      if (errno != EWOULDBLOCK)
        return file;
      file.reset();
      wait();
      std::this_thread::sleep_for(kLockPoll);
      continue;
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(file->fd(), &held) == 0 && ::stat(target.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
      locked = true;
      return file;
    }
  }
}

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

// The new file beside the old one. Under the lock it takes a name of this user's, which a
// save killed before its rename may have left and which is cleared first, also in a folder that
// may not be read; where that name is somebody else's (a sticky folder) or a folder, and without
// a lock, it takes a name of its own that nobody can hold.
int CreateNew(const std::string& target, bool locked, std::string& name) {
  const std::string stem = FolderOf(target) + "/." + NameOf(target) + ".new.";
  if (locked) {
    name = stem + std::to_string(::geteuid());
    struct stat info {};
    if (::lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
      ::unlink(name.c_str());
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EEXIST && errno != EISDIR))
      return fd;
  }
  name = stem + "XXXXXX";
  return ::mkostemp(name.data(), O_CLOEXEC);
}

// What copies of the game killed while saving left beside the list under names of their own, this
// user's only. Under the lock no other copy is writing one.
void RemoveLeftovers(const std::string& target) {
  DIR* folder = ::opendir(FolderOf(target).c_str());
  if (folder == nullptr)
    return;
  const std::string prefix = "." + NameOf(target) + ".new.";
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    struct stat info {};
    if (name.size() > prefix.size() && name.starts_with(prefix) &&
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
                         const std::function<HighscoreList(const HighscoreList&)>& change,
                         const std::function<void()>& wait) {
  const std::string target = Target(path);
  bool locked = false;
  const std::unique_ptr<HighscoreFile> file = OpenLocked(target, locked, wait);
  const HighscoreFile& old = *file;
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
    if (locked)
      RemoveLeftovers(target);
    fd = CreateNew(target, locked, name);
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
  // The rename itself reaches the disk only with its folder (where the folder may be read).
  const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return {true, {}};
}

}  // namespace kaldora
