// The 81 squares of the board, their content codes and weights, and the ten source pictures.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kaldora {

inline constexpr int kColumns = 9;
inline constexpr int kSquares = kColumns * kColumns;
inline constexpr int kSources = 10;

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A picture object. A square refers to the very object of its source and a move hands that
// reference on, so two squares show the same colour exactly when they hold the same pointer.
struct SourceImage {
  int index;  // 0..9, the source picture it belongs to
};

// Content codes held in a square's Tag.
namespace code {
inline constexpr std::string_view kFree = "0";
inline constexpr std::string_view kJoker = "1";
inline constexpr std::string_view kBlackstone = "voll";
inline constexpr std::string_view kMarked = "peng";
}  // namespace code

// Source picture indices with a meaning of their own; 0..6 are the colours red to magenta.
inline constexpr int kJokerSource = 7;
inline constexpr int kBurstSource = 8;
inline constexpr int kBlackstoneSource = 9;

// The code read as a decimal number: the value of its leading digits, 0 for a code that does not
// begin with a digit. Each colour owns one decimal digit, so sums of up to nine weights count the
// squares of every colour separately.
std::int32_t Weight(std::string_view tag);

struct Square {
  std::string Tag{code::kFree};
  const SourceImage* Picture = nullptr;
  int DragMode = 0;  // 1: pressing the mouse on the square starts dragging it
  bool Enabled = true;
  Rgb BackColor{224, 224, 224};
};

// One of the picture boxes picF(0..9): a picture and, for the colours and the joker, its code.
struct SourceBox {
  const SourceImage* Picture;
  std::string_view Tag;
};

// What the window shows of a square. The board calls it after every change of what is visible.
class SquareDisplay {
 public:
  virtual ~SquareDisplay() = default;
  virtual void ShowPicture(int n, const SourceImage* picture) = 0;  // nullptr: none
  virtual void SetDragMode(int n, int mode) = 0;
  virtual void SetEnabled(int n, bool enabled) = 0;
  virtual void SetBackColor(int n, Rgb colour) = 0;
};

// The squares picP(0..80), index n = 9 * row + column, and the sources picF(0..9).
class Board {
 public:
  explicit Board(SquareDisplay& display) : display_(display) {}

  const Square& operator[](int n) const { return squares_[static_cast<std::size_t>(n)]; }
  // The source picture square n shows, 0..9, or -1 for none.
  int Shown(int n) const {
    const SourceImage* picture = (*this)[n].Picture;
    return picture == nullptr ? -1 : picture->index;
  }
  static const SourceBox& picF(int k);

  void SetTag(int n, std::string_view tag);
  void SetPicture(int n, const SourceImage* picture);
  void SetDragMode(int n, int mode);
  void SetEnabled(int n, bool enabled);
  void SetBackColor(int n, Rgb colour);

  // Gives square n the picture and the code of source k and makes it draggable.
  void Colour(int n, int k);
  // No picture, not draggable, code "0"; background and enabled state stay.
  void FeldLeeren(int n);

  // Weight(Tag) of square n, kept side by side for the detections, which add them up all the time.
  std::int32_t weight(int n) const { return weights_[static_cast<std::size_t>(n)]; }

  bool HasFreeSquare() const { return free_squares_ > 0; }
  // Whether any square takes the mouse: none before a game, at its end and after it.
  bool AnyEnabled() const {
    return std::any_of(squares_.begin(), squares_.end(), [](const Square& s) { return s.Enabled; });
  }

 private:
  Square& at(int n) { return squares_[static_cast<std::size_t>(n)]; }

  SquareDisplay& display_;
  std::array<Square, kSquares> squares_{};
  std::array<std::int32_t, kSquares> weights_{};
  int free_squares_ = kSquares;  // squares whose code is "0"
};

}  // namespace kaldora
