#pragma once
// Comparing screenshots with the reference pictures under
// tests/data/screenshots, within a tolerance (font rendering may differ by
// a shade). QUORLEN_UPDATE_SCREENSHOTS=1 writes the references anew;
// QUORLEN_DOCS_SCREENSHOTS=FOLDER writes the pictures the documentation
// shows.

#include <string>

#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl::testing {

// A part of a picture, at half its size or at its own.
[[nodiscard]] SurfacePtr halve(SDL_Surface& s, const SDL_Rect& area);
[[nodiscard]] SurfacePtr crop(SDL_Surface& s, const SDL_Rect& area);

// Fails the test when more than 1 % of the pixels differ by more than a
// shade from the reference `name`.png (the picture is then kept in the
// temporary folder as `name`.actual.png).
void expectLooksLike(SDL_Surface* shot, const std::string& name);

// Writes the picture for the documentation when asked to.
void docsPicture(SDL_Surface* shot, const std::string& name);

}  // namespace quorlen::sdl::testing
