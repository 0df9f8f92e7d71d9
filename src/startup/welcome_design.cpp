#include "startup/welcome_design.h"

namespace quorlen {

void loadDesignPictures(ui::UserInterface& ui, ui::Window& window) {
  struct Design {
    const char* control;
    const char* picture;
  };
  static constexpr Design kPictures[] = {
      {"Image2", "builtin:welcome/title"},  {"Image1", "builtin:welcome/texture"},
      {"Image5", "builtin:welcome/new"},    {"Image6", "builtin:welcome/load"},
      {"Image7", "builtin:welcome/leave"},  {"Image8", "builtin:welcome/info"},
      {"Picture1", "builtin:welcome/panel"},
  };
  for (const Design& d : kPictures) {
    ui::Control* c = window.find(d.control);
    if (c == nullptr) continue;
    if (auto picture = ui.loadPicture(d.picture)) c->setPicture(picture.value());
  }
  for (const char* name : {"Image3", "Image4", "Image5", "Image6", "Image7", "Image8"}) {
    if (ui::Control* c = window.find(name)) c->setPointer(ui::Pointer{ui::Pointer::Kind::Hand, {}, 0, 0});
  }
}

}  // namespace quorlen
