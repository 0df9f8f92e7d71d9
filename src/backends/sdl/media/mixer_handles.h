#pragma once
// Owners of the SDL_mixer objects the audio devices hold: a sound (chunk)
// and a piece of music. Freeing either while it plays halts it first.

#include <SDL_mixer.h>

#include <memory>

namespace quorlen::sdl {

struct ChunkFree {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkHandle = std::unique_ptr<Mix_Chunk, ChunkFree>;

struct MusicFree {
  void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
};
using MusicHandle = std::unique_ptr<Mix_Music, MusicFree>;

}  // namespace quorlen::sdl
