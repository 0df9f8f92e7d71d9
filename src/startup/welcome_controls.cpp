// The welcome window's controls in their design state.
#include "startup/program.h"
#include "startup/welcome_design.h"
#include "startup/welcome_window.h"

namespace quorlen {

namespace {
using ui::ControlKind;
constexpr ui::Twips px(int pixels) { return pixels * ui::kTwipsPerPixel; }

const ui::Font kTitleFont{"Arial", 20.25, true, false, false, false};
const ui::Font kLineFont{"Arial", 9.75, false, false, false, false};
constexpr ui::Color kDarkRed = ui::rgb(192, 0, 0);
constexpr ui::Color kDarkBlue = ui::rgb(0, 0, 192);
}  // namespace

void WelcomeWindow::createControls() {
  ui::Window& w = window_;
  w.setTitle("Welcome!");
  w.setBackColor(ui::kWhite);
  w.setFramed(true);
  w.setWidth(px(kWelcomeInnerWidth) + w.manager().host().frameWidthAllowance());
  w.setHeight(px(kWelcomeInnerHeight) + w.frameAllowance());

  auto image = [&](const std::string& name, int l, int t, int wd, int ht, ui::Control* parent = nullptr) -> ui::Control& {
    ui::Control& c = w.add(ControlKind::Image, name, parent);
    c.setStretch(true);
    c.move(px(l), px(t), px(wd), px(ht));
    return c;
  };
  auto label = [&](const std::string& name, int l, int t, int wd, int ht, const std::string& caption,
                   bool visible) -> ui::Control& {
    ui::Control& c = w.add(ControlKind::Label, name);
    c.move(px(l), px(t), px(wd), px(ht));
    c.setCaption(caption);
    c.setFont(kLineFont);
    c.setForeColor(kDarkBlue);
    c.setBackTransparent(true);
    c.setVisible(visible);
    return c;
  };

  image("Image2", 0, 0, 250, 108);
  image("Image1", 208, 0, 166, 108).setVisible(false);
  ui::Control& title = w.add(ControlKind::Label, "txtAdventureName");
  title.move(px(0), px(56), px(333), px(33));
  title.setCaption("...");
  title.setFont(kTitleFont);
  title.setForeColor(kDarkRed);
  title.setAlignment(ui::Alignment::Center);
  title.setBackTransparent(true);
  image("Image5", 0, 96, 166, 49);
  image("Image6", 160, 96, 166, 49);
  image("Image7", -8, 144, 166, 49);
  image("Image8", 152, 144, 166, 49);
  ui::Control& check = w.add(ControlKind::CheckBox, "chkResolution");
  check.move(px(16), px(195), px(13), px(13));
  check.setBackColor(ui::kWhite);
  check.setVisible(false);
  label("lblResolution", 35, 192, 287, 21, "Change display resolution to 640 x 480.", false);
  label("txtVersion", 16, 208, 301, 21, "", true);
  label("lblAuthor", 16, 224, 81, 21, "Created by :", false);
  label("txtAuthor", 96, 224, 209, 25, "", false);
  label("lblEmail", 16, 240, 81, 21, "E-mail:", false);
  label("txtEmail", 96, 240, 209, 21, "", false);
  label("lblHomepage", 16, 256, 97, 21, "Website:", false);
  label("txtHomepage", 96, 256, 209, 21, "", false);
  ui::Control& panel = w.add(ControlKind::PictureBox, "Picture1");
  panel.move(px(8), px(88), px(370), px(104));
  panel.setVisible(false);
  image("Image4", 104, 72, 209, 33, &panel);
  image("Image3", 8, 72, 73, 33, &panel);

  loadDesignPictures(program_.platform().ui, w);

  w.find("Image3")->onClick = [this](ui::Control&) { Image3_Click(); };
  w.find("Image4")->onClick = [this](ui::Control&) { Image4_Click(); };
  w.find("Image5")->onClick = [this](ui::Control&) { Image5_Click(); };
  w.find("Image6")->onClick = [this](ui::Control&) { Image6_Click(); };
  w.find("Image7")->onClick = [this](ui::Control&) { Image7_Click(); };
  w.find("Image8")->onClick = [this](ui::Control&) { Image8_Click(); };
  w.find("lblResolution")->onClick = [this](ui::Control&) { lblResolution_Click(); };
}

}  // namespace quorlen
