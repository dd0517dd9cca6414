// Synthesises the game's seven sounds as 16-bit mono WAV files: make_sounds FOLDER
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2 * std::numbers::pi;
using Samples = std::vector<double>;

double Seconds(std::size_t i) {
  return static_cast<double>(i) / kRate;
}

std::size_t Index(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kRate));
}

// One note from `start` for `length` seconds, gliding from f0 to f1 Hz, with harmonic partials,
// an exponential decay, a vibrato depth (a fraction of the frequency, at 5.5 Hz) and soft edges.
void Note(Samples& s, double start, double length, double f0, double f1, double amplitude,
          double decay, const std::vector<double>& partials, double vibrato = 0) {
  const std::size_t first = Index(start);
  const std::size_t n = Index(length);
  s.resize(std::max(s.size(), first + n));
  double phase = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = Seconds(i);
    const double edge = std::min({1.0, t / 0.006, (length - t) / 0.04});
    double value = 0;
    for (std::size_t k = 0; k < partials.size(); ++k)
      value += partials[k] * std::sin(static_cast<double>(k + 1) * phase);
    s[first + i] += amplitude * edge * std::exp(-decay * t) * value;
    const double f =
        f0 * std::pow(f1 / f0, t / length) * (1 + vibrato * std::sin(kTwoPi * 5.5 * t));
    phase += kTwoPi * f / kRate;
  }
}

// Noise through a band of one-pole filters, shaped by `envelope` (time, length -> gain) and
// faded out at its end.
template <typename Envelope>
void Noise(Samples& s, double start, double length, double low_hz, double high_hz, double amplitude,
           Envelope envelope) {
  std::minstd_rand generator(20260);  // the same sound on every build
  const double a_low = std::exp(-kTwoPi * low_hz / kRate);
  const double a_high = std::exp(-kTwoPi * high_hz / kRate);
  double below = 0, band = 0;
  const std::size_t first = Index(start);
  const std::size_t n = Index(length);
  s.resize(std::max(s.size(), first + n));
  for (std::size_t i = 0; i < n; ++i) {
    const double white = static_cast<double>(generator()) / std::minstd_rand::max() * 2 - 1;
    band = a_high * band + (1 - a_high) * white;  // below high_hz
    below = a_low * below + (1 - a_low) * band;   // below low_hz, taken away again
    const double t = Seconds(i);
    s[first + i] +=
        amplitude * std::min(1.0, (length - t) / 0.01) * envelope(t, length) * (band - below);
  }
}

const std::vector<double> kBell{1, 0.3, 0.08};
const std::vector<double> kBrass{1, 0.55, 0.4, 0.22, 0.1};
const std::vector<double> kMuted{1, 0.45, 0.25, 0.1};

Samples StartUpChime() {
  Samples s;
  const double notes[] = {523.25, 659.25, 783.99, 1046.5};
  for (int i = 0; i < 4; ++i)
    Note(s, 0.12 * i, 1.0, notes[i], notes[i], 1, 3.5, kBell);
  return s;
}

Samples PlacementBlip() {
  Samples s;
  Note(s, 0, 0.09, 620, 930, 1, 20, {1, 0.12});
  return s;
}

Samples RowChord() {
  Samples s;
  const double notes[] = {880, 1108.73, 1318.51, 1760};
  for (int i = 0; i < 4; ++i)
    Note(s, 0.012 * i, 0.7, notes[i], notes[i], i == 3 ? 0.5 : 1, 5, {1, 0.25});
  return s;
}

Samples QuadFanfare() {
  Samples s;
  const double lead[] = {392, 523.25, 659.25};
  for (int i = 0; i < 3; ++i)
    Note(s, 0.13 * i, 0.12, lead[i], lead[i], 1, 3, kBrass);
  for (double f : {523.25, 659.25, 783.99})
    Note(s, 0.39, 0.8, f, f, 0.8, 1.8, kBrass, 0.004);
  return s;
}

Samples BlackstoneThud() {
  Samples s;
  Note(s, 0, 0.45, 110, 38, 1, 8, {1, 0.25});
  Noise(s, 0, 0.12, 150, 900, 1.2, [](double t, double) { return std::exp(-60 * t); });
  return s;
}

Samples PageTurn() {
  Samples s;
  Noise(s, 0, 0.32, 700, 5000, 1, [](double t, double length) {
    const double swell = std::sin(std::numbers::pi * t / length);
    return swell * swell * (0.7 + 0.3 * std::sin(kTwoPi * 19 * t));
  });
  Noise(s, 0.27, 0.1, 1500, 7000, 0.6, [](double t, double) { return std::exp(-70 * t); });
  return s;
}

Samples GameOverPhrase() {
  Samples s;
  const double steps[] = {392, 369.99, 349.23};
  for (int i = 0; i < 3; ++i)
    Note(s, 0.3 * i, 0.28, steps[i], steps[i], 1, 1.5, kMuted);
  Note(s, 0.9, 0.85, 329.63, 311.13, 1, 1.2, kMuted, 0.012);
  return s;
}

// Scales the sound so that its peak is `level` of full scale.
bool Write(const std::filesystem::path& file, const Samples& s, double level) {
  double peak = 0;
  for (double v : s)
    peak = std::max(peak, std::abs(v));
  const double scale = peak > 0 ? level * 32767 / peak : 0;
  std::vector<std::int16_t> pcm(s.size());
  std::transform(s.begin(), s.end(), pcm.begin(),
                 [scale](double v) { return static_cast<std::int16_t>(std::lround(v * scale)); });
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
  if (!out)
    return false;
  const auto frames = static_cast<sf_count_t>(pcm.size());
  const bool written = sf_writef_short(out, pcm.data(), frames) == frames;
  return sf_close(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // The blip sounds after nearly every move, so it is the softest.
  const std::pair<Samples, double> sounds[] = {
      {StartUpChime(), 0.6},   {PlacementBlip(), 0.35}, {RowChord(), 0.6},
      {QuadFanfare(), 0.65},   {BlackstoneThud(), 0.8}, {PageTurn(), 0.45},
      {GameOverPhrase(), 0.6},
  };
  for (int i = 0; i < 7; ++i) {
    const auto file = folder / ("sound" + std::to_string(i + 1) + ".wav");
    if (!Write(file, sounds[i].first, sounds[i].second)) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], file.c_str());
      return 1;
    }
  }
  return 0;
}
