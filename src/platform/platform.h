#pragma once
// Everything the game asks of the machine, handed to the game as one bundle.

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/file_system.h"
#include "platform/media_control.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/user_interface.h"

namespace quorlen::platform {

struct Platform {
  ui::UserInterface& ui;
  MediaControl& media;
  Display& display;
  SettingsStore& settings;
  Shell& shell;
  FileSystem& files;
  Clock& clock;
};

}  // namespace quorlen::platform
