// Start-up of the main window and the score.
#include "board/game.h"

#include <algorithm>
#include <limits>
#include <string>

namespace kaldora {

namespace {
constexpr Rgb kPaleGreen{230, 255, 230};
}  // namespace

Game::Game(Ports ports, Random& random)
    : ports_(ports),
      random_(random),
      board_(ports.squares),
      tree_(random, ports.canvas, ports.events),
      highscore_(ports.highscore, m_) {}

void Game::Form_Load() {
  m_.FarbFaktor = Fixed4{71800};
  m_.Punkte5er = 4;
  m_.Punkte9er = 17;
  m_.Punkte = 0;
  ShowScore();
  for (int n = 0; n < kSquares; ++n)
    board_.SetBackColor(n, kPaleGreen);
  ports_.window.SetTitleForeColor(kPaleGreen);
  ports_.window.SetCanvasBackColor(kPaleGreen);
  RahmenZeichnen();
  ports_.window.CentreOnScreen();
  MindestPunkte = highscore_.ReadMindestPunkte();
  NeuerBaum();
  m_.TonEin = true;
  TonAbspielen("sounds\\sound1.wav", kAsync);
}

void Game::NeuerBaum() {
  cmdGo_Click();
}

void Game::cmdGo_Click() {
  tree_.cmdGo_Click();
}

void Game::cmdHighscoreAnzeigen_Click() {
  TonAbspielen("sounds\\sound6.wav", kAsync);
  highscore_.FillRowsFromFile();
  highscore_.ShowListWindow();
}

void Game::Zeigen() {
  cmdHighscoreAnzeigen_Click();
}

void Game::cmdHighscoreErneuern_Click() {
  highscore_.cmdHighscoreErneuern_Click();
}

// The score is 16 bits wide; it stops at the largest value rather than turning negative.
std::int16_t Game::AddPoints(std::int16_t award) {
  const int sum = std::min<int>(m_.Punkte + award, std::numeric_limits<std::int16_t>::max());
  const auto gained = static_cast<std::int16_t>(sum - m_.Punkte);
  m_.Punkte = static_cast<std::int16_t>(sum);
  return gained;
}

void Game::SetAllEnabled(bool enabled) {
  for (int n = 0; n < kSquares; ++n)
    board_.SetEnabled(n, enabled);
  ports_.report.BoardEnabled(enabled);
}

void Game::ShowScore() {
  ports_.window.SetScoreText(std::to_string(m_.Punkte));
}

}  // namespace kaldora
