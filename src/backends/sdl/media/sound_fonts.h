#pragma once
// The General MIDI sound fonts that MIDI music is played with. SDL_mixer's
// synthesiser takes a list of font files; the one the user names in
// SDL_SOUNDFONTS wins, otherwise the list SDL_mixer was built with when a
// file of it is there, otherwise the first General MIDI font found in the
// system's sound-font folders.

#include <string>

namespace quorlen::sdl {

// Sets SDL_mixer's list as above. Call once, before the first MIDI load.
void chooseMidiSoundFonts();

// Whether a file of SDL_mixer's current list is there.
[[nodiscard]] bool haveMidiSoundFont();

// SDL_mixer's current list (paths joined by ':'), empty when there is none.
[[nodiscard]] std::string midiSoundFonts();

}  // namespace quorlen::sdl
