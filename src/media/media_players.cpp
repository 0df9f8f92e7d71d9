#include "media/media_players.h"

namespace quorlen {

MediaPlayers::MediaPlayers(platform::MediaControl& media, platform::Clock& clock, ui::UserInterface& ui,
                           const std::string& gameTitle)
    : environment_{media, clock, ui, gameTitle, {}} {}

Mmedia& MediaPlayers::MusicPlayer() {
  if (!music_) music_ = std::make_unique<Mmedia>(environment_);
  return *music_;
}

Mmedia& MediaPlayers::SoundPlayer() {
  if (!sound_) sound_ = std::make_unique<Mmedia>(environment_);
  return *sound_;
}

Mmedia& MediaPlayers::MoviePlayer() {
  if (!movie_) movie_ = std::make_unique<Mmedia>(environment_);
  return *movie_;
}

}  // namespace quorlen
