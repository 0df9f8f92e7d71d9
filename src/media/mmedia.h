#pragma once
// One media player: drives one device at a time through media command
// strings. Audio files (.wav, .mid) go through mmOpen/mmPlay; videos through
// PlayMovie/StopMovie.

#include <set>
#include <string>

#include "platform/ui_types.h"

namespace quorlen {

namespace platform {
class Clock;
class MediaControl;
}  // namespace platform
namespace ui {
class Control;
class UserInterface;
}  // namespace ui

// What the players share: the machine's media, clock and window system, the
// game's title for messages, and the aliases the players hold, so that no
// two players ever share one.
struct MediaEnvironment {
  platform::MediaControl& media;
  platform::Clock& clock;
  ui::UserInterface& ui;
  const std::string& gameTitle;
  std::set<std::string> aliasesInUse;
};

class Mmedia {
 public:
  explicit Mmedia(MediaEnvironment& environment);
  ~Mmedia();
  Mmedia(const Mmedia&) = delete;
  Mmedia& operator=(const Mmedia&) = delete;

  void mmOpen(const std::string& sTheFile);
  void mmClose();
  void mmPause();
  void mmPlay();
  void mmStop();
  void mmSeek(float nPosition);

  [[nodiscard]] const std::string& FileName() const { return fileName_; }
  void setFileName(const std::string& sTheFile) { mmOpen(sTheFile); }
  [[nodiscard]] bool Wait() const { return wait_; }
  void setWait(bool bWaitValue) { wait_ = bWaitValue; }
  [[nodiscard]] float Length();
  [[nodiscard]] float Position();
  void setPosition(float nPosition) { mmSeek(nPosition); }
  [[nodiscard]] std::string Status();

  // Stops and closes the video device; lets pending events run.
  void StopMovie();
  // Opens a video as a child of `Where` and starts it without waiting.
  // `FileName` receives the quoted name.
  void PlayMovie(std::string& FileName, const ui::Control& Where);

  [[nodiscard]] const std::string& alias() const { return alias_; }

 private:
  [[nodiscard]] std::string statusQuery(const char* what);
  void send(const std::string& command);
  [[nodiscard]] std::string freeAlias(const std::string& wanted) const;
  void holdAlias(const std::string& alias);
  void releaseAlias();

  MediaEnvironment& env_;
  std::string alias_;
  std::string fileName_;
  bool wait_ = false;
  bool movieOpen_ = false;
};

// The shortest decimal form of a number: 1500, 2.5.
[[nodiscard]] std::string shortestDecimal(float value);
// The decimal number at the start of a reply (leading blanks skipped); 0
// when there is none.
[[nodiscard]] float leadingNumber(const std::string& reply);

}  // namespace quorlen
