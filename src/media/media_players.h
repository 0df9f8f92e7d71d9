#pragma once
// The three long-lived players of the game, each made on first use: the
// frames' music, the area tasks' sounds and the videos.

#include <memory>
#include <string>

#include "media/mmedia.h"

namespace quorlen {

class MediaPlayers {
 public:
  MediaPlayers(platform::MediaControl& media, platform::Clock& clock, ui::UserInterface& ui,
               const std::string& gameTitle);

  Mmedia& MusicPlayer();
  Mmedia& SoundPlayer();
  Mmedia& MoviePlayer();

  // nullptr until the player has been made.
  [[nodiscard]] const Mmedia* music() const { return music_.get(); }
  [[nodiscard]] const Mmedia* sound() const { return sound_.get(); }
  [[nodiscard]] const Mmedia* movie() const { return movie_.get(); }

 private:
  MediaEnvironment environment_;
  std::unique_ptr<Mmedia> music_;
  std::unique_ptr<Mmedia> sound_;
  std::unique_ptr<Mmedia> movie_;
};

}  // namespace quorlen
