// Every sound of the game goes through TonAbspielen; the sound button switches them off and on.
#include "board/game.h"

namespace kaldora {

void Game::TonAbspielen(std::string_view name, std::int32_t flags) {
  if (!m_.TonEin)
    return;
  ports_.sound.Play(name, flags);
}

// The caption names what the next click does, and it is the button's only state.
void Game::cmdTonEinschaltenAusschalten_Click() {
  if (ports_.window.SoundCaption() == "Sound &On") {
    ports_.window.SetSoundCaption("Sound O&ff");
    m_.TonEin = true;
  } else {
    ports_.window.SetSoundCaption("Sound &On");
    m_.TonEin = false;
  }
}

}  // namespace kaldora
