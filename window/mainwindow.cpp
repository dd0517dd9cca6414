// The main window's own logic: its bevelled frame, the squares' background colours and the two
// text panels.
#include <array>

#include "board/game.h"

namespace kaldora {

namespace {

struct FrameLine {
  int x1, y1, x2, y2;
  Rgb colour;
};

// Bright along the top and left edges, dark along the bottom and right, four pixels deep.
constexpr std::array<FrameLine, 16> kFrame{{
    {0, 0, 799, 0, {0, 245, 0}},
    {0, 1, 799, 1, {0, 210, 0}},
    {0, 2, 799, 2, {0, 175, 0}},
    {0, 3, 799, 3, {0, 140, 0}},
    {0, 596, 799, 596, {0, 80, 0}},
    {0, 597, 799, 597, {0, 55, 0}},
    {0, 598, 799, 598, {0, 30, 0}},
    {0, 599, 799, 599, {0, 5, 0}},
    {0, 0, 0, 599, {0, 245, 0}},
    {1, 1, 1, 598, {0, 210, 0}},
    {2, 2, 2, 597, {0, 175, 0}},
    {3, 3, 3, 596, {0, 140, 0}},
    {796, 3, 796, 596, {0, 80, 0}},
    {797, 2, 797, 597, {0, 55, 0}},
    {798, 1, 798, 598, {0, 30, 0}},
    {799, 0, 799, 600, {0, 5, 0}},
}};

// Square 0's background and the one that follows it.
constexpr std::array<std::pair<Rgb, Rgb>, 6> kBackgroundCycle{{
    {{230, 255, 230}, {255, 255, 255}},
    {{255, 255, 255}, {230, 230, 230}},
    {{230, 230, 230}, {195, 195, 195}},
    {{195, 195, 195}, {0, 0, 0}},
    {{0, 0, 0}, {255, 230, 230}},
    {{255, 230, 230}, {230, 255, 230}},
}};

}  // namespace

void Game::RahmenZeichnen() {
  for (const FrameLine& l : kFrame)
    ports_.window.DrawLine(l.x1, l.y1, l.x2, l.y2, l.colour);
}

void Game::cmdFelderGrundfarbe_Click() {
  for (const auto& [current, next] : kBackgroundCycle) {
    if (board_[0].BackColor == current) {
      for (int n = 0; n < kSquares; ++n)
        board_.SetBackColor(n, next);
      return;
    }
  }
}

void Game::cmdSpielregeln_Click() {
  MainWindowView& w = ports_.window;
  w.SetPanelVisible(Panel::Information, false);
  w.SetPanelVisible(Panel::Rules, !w.PanelVisible(Panel::Rules));
}

void Game::txtSpielregeln_Click() {
  ports_.window.SetPanelVisible(Panel::Rules, false);
}

void Game::cmdInformation_Click() {
  MainWindowView& w = ports_.window;
  w.SetPanelVisible(Panel::Rules, false);
  w.SetPanelVisible(Panel::Information, !w.PanelVisible(Panel::Information));
}

void Game::txtInformation_Click() {
  ports_.window.SetPanelVisible(Panel::Information, false);
}

}  // namespace kaldora
