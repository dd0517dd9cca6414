// The board's 81 squares on the main window: what the game shows on them, and the ten shared
// pictures they show.
#pragma once

#include <QPixmap>
#include <array>

#include "board/board.h"
#include "board/qt/squarebox.h"

namespace kaldora {

class BoardKeys;

class SquaresView final : public SquareDisplay {
 public:
  // Makes the squares picP(0..80) on the window, placed as designed.
  SquaresView(QWidget* window, DragHost& drag);

  // Once the game and the keys exist: a square the keys hold goes back when the game takes it
  // away (empties, fixes or disables it).
  void Watch(const Board& board, BoardKeys& keys);

  SquareBox* picP(int n) const { return squares_[static_cast<std::size_t>(n)]; }
  const std::array<SquareBox*, kSquares>& squares() const { return squares_; }
  // The one shared picture object of source k, drawn the first time a square shows it.
  const QPixmap* picture(int k);

  void ShowPicture(int n, const SourceImage* picture) override;
  void SetDragMode(int n, int mode) override;
  void SetEnabled(int n, bool enabled) override;
  void SetBackColor(int n, Rgb colour) override;

 private:
  void ReleaseIfTaken(int n);

  QWidget* window_;
  std::array<QPixmap, kSources> pictures_;
  std::array<SquareBox*, kSquares> squares_{};
  const Board* board_ = nullptr;
  BoardKeys* keys_ = nullptr;
};

}  // namespace kaldora
