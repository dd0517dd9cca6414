// "P1.dat": eleven records of 39 bytes, opened for the length of one use.
#pragma once

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
  // entry. No write succeeds then, nor to a file opened for reading alone.
  bool is_open() const { return fd_ >= 0; }

  // Record n, 1..11. A record beyond the end of the file, or one that cannot be read, is an empty
  // entry; a record only partly present reads as its present bytes.
  HighscoreSatz Read(int n) const;
  // Writes record n, 1..11, extending the file when needed; false when not all of it was written.
  bool Write(int n, const HighscoreSatz& entry);

 private:
  int fd_ = -1;
};

}  // namespace kaldora
