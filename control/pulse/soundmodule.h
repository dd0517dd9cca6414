// What the sound thread and the sound module it loads at the first sound share: plain C calls.
#pragma once

extern "C" {

// How the module, while it plays, reaches back to the thread that called it.
struct KaldoraSoundCalls {
  void* context;
  // True once the sound should stop: a new one was asked for, or the program ends.
  bool (*interrupted)(void* context);
  // Said once the module knows what it plays and for how long, just before it starts.
  void (*playing)(void* context, double seconds);
};

// Plays the WAV file at path to its end or until interrupted; a file that cannot be played gives
// a short beep. With no sound server nothing plays and it returns within half a second.
void kaldora_sound_play(const char* path, const KaldoraSoundCalls* calls);

}  // extern "C"

namespace kaldora {

// Beside the program. Kept out of the program itself so that the dynamic loader maps neither
// libpulse nor libsndfile and its codecs at exec, before the window can appear.
inline constexpr char kSoundModule[] = "kaldora-sound.so";
inline constexpr char kSoundPlaySymbol[] = "kaldora_sound_play";
using SoundPlayFunction = decltype(&kaldora_sound_play);

}  // namespace kaldora
