// "P1.dat": eleven records of 39 bytes, opened for the length of one use.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "highscore/record.h"

namespace kaldora {

inline constexpr int kHighscorePlaces = 11;

class HighscoreFile {
 public:
  // Opens the file for reading and writing, creating it empty when missing, or for reading alone
  // when it may not be written.
  explicit HighscoreFile(const std::string& path);
  ~HighscoreFile();
  HighscoreFile(const HighscoreFile&) = delete;
  HighscoreFile& operator=(const HighscoreFile&) = delete;

  // False when the file could not be opened or created: then every record reads as an empty
  // entry.
  bool is_open() const { return fd_ >= 0; }
  // Empty when the file was opened for writing; otherwise why it could not be, in words.
  const std::string& why_not_writable() const { return why_not_writable_; }
  int fd() const { return fd_; }

  // Record n, 1..11. A record beyond the end of the file, or one that cannot be read, is an empty
  // entry; a record only partly present reads as its present bytes.
  HighscoreSatz Read(int n) const;
  // The bytes of record n as the file holds them; `present` says how many it holds.
  RecordBytes ReadBytes(int n, std::size_t& present) const;

 private:
  int fd_ = -1;
  std::string why_not_writable_;
};

using HighscoreList = std::array<HighscoreSatz, kHighscorePlaces>;

// The system's reason for an errno value, in words.
std::string Reason(int error);

// What became of a list to be stored; nothing is printed, the caller decides what to say.
struct StoreOutcome {
  bool stored = false;
  std::string why;  // when not stored: the file and the system's reason, in words
};

// Reads records 1..11 of the file at `path` (empty entries where it cannot be read), lets `change`
// make the new list from them, and puts that list in place of the first 429 bytes. The file is
// replaced in one step, so that a kill at any instant leaves the old list or the whole new one;
// bytes beyond record 11, the owner, the mode and a symbolic link to the file are kept, and so is
// every record of the new list that the file already held, byte for byte. While another copy of
// the game stores into the same file, this one waits for it, however long it takes, and `wait`
// runs between its looks, so that the window goes on; then it reads the other's list, so that
// neither change is lost. `change` is called once, also when the list cannot be stored.
StoreOutcome ReplaceList(
    const std::string& path, const std::function<HighscoreList(const HighscoreList&)>& change,
    const std::function<void()>& wait = [] {});

}  // namespace kaldora
