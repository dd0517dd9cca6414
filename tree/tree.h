// The little recursive tree beside the board: a new random one at start-up and with every
// dissolution.
#pragma once

#include <cstdint>

#include "board/random.h"

namespace kaldora {

// Lets the window events that are waiting run once, in the middle of whatever is running. Input
// of the player stays queued until the running event has finished.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void DoEvents() = 0;
};

// picCanvas: lines in its own scale units and its foreground colour.
class TreeCanvas {
 public:
  virtual ~TreeCanvas() = default;
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  virtual void Cls() = 0;  // back to the background colour
  virtual void SetDrawWidth(int width) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
};

class TreeDrawing {
 public:
  TreeDrawing(Random& random, TreeCanvas& canvas, EventPump& events)
      : random_(random), canvas_(canvas), events_(events) {}

  // Clears the canvas, lets waiting events run once, and draws one complete new tree.
  void cmdGo_Click();

  void DrawBranch(float bend, std::int16_t thickness, std::int16_t level, std::int16_t x,
                  std::int16_t y, std::int16_t length, float theta);

  float LengthFactor = 0;
  float LengthVariation = 0;
  float Spread = 0;
  float AngleVariation = 0;
  std::int16_t MaxBranches = 0;
  std::int16_t Depth = 0;
  std::int16_t StartX = 0;
  std::int16_t StartY = 0;
  std::int16_t StartLength = 0;

 private:
  Random& random_;
  TreeCanvas& canvas_;
  EventPump& events_;
};

}  // namespace kaldora
