// The board's squares and source pictures.
#include "board/board.h"

#include <cassert>

namespace kaldora {

namespace {

constexpr std::array<SourceImage, kSources> kImages{
    {{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}}};

constexpr std::array<SourceBox, kSources> kSourceBoxes{{
    {&kImages[0], "10000000"},
    {&kImages[1], "1000000"},
    {&kImages[2], "100000"},
    {&kImages[3], "10000"},
    {&kImages[4], "1000"},
    {&kImages[5], "100"},
    {&kImages[6], "10"},
    {&kImages[7], "1"},
    {&kImages[8], ""},
    {&kImages[9], ""},
}};

}  // namespace

std::int32_t Weight(std::string_view tag) {
  std::int32_t value = 0;
  for (char c : tag) {
    if (c < '0' || c > '9')
      break;
    value = value * 10 + (c - '0');
  }
  return value;
}

const SourceBox& Board::picF(int k) {
  assert(k >= 0 && k < kSources);
  return kSourceBoxes[static_cast<std::size_t>(k)];
}

void Board::SetTag(int n, std::string_view tag) {
  std::string& current = at(n).Tag;
  free_squares_ += (tag == code::kFree) - (current == code::kFree);
  current = tag;
  weights_[static_cast<std::size_t>(n)] = Weight(tag);
}

void Board::SetPicture(int n, const SourceImage* picture) {
  at(n).Picture = picture;
  display_.ShowPicture(n, picture);
}

void Board::SetDragMode(int n, int mode) {
  at(n).DragMode = mode;
  display_.SetDragMode(n, mode);
}

void Board::SetEnabled(int n, bool enabled) {
  at(n).Enabled = enabled;
  display_.SetEnabled(n, enabled);
}

void Board::SetBackColor(int n, Rgb colour) {
  at(n).BackColor = colour;
  display_.SetBackColor(n, colour);
}

void Board::Colour(int n, int k) {
  SetPicture(n, picF(k).Picture);
  SetTag(n, picF(k).Tag);
  SetDragMode(n, 1);
}

void Board::FeldLeeren(int n) {
  SetPicture(n, nullptr);
  SetDragMode(n, 0);
  SetTag(n, code::kFree);
}

}  // namespace kaldora
