#include "startup/welcome_window.h"

#include <cmath>
#include <optional>

#include "common/field_reader.h"
#include "common/field_value.h"
#include "engine/frame_files.h"
#include "startup/display_checks.h"
#include "startup/program.h"

namespace quorlen {

namespace {
constexpr ui::Twips kFirstLine = 3000;
constexpr ui::Twips kLineStep = 255;
constexpr ui::Twips kCheckBoxDrop = 45;
constexpr ui::Twips kBottomMargin = 150;

constexpr const char* kSettingsApplication = "Games";
constexpr const char* kSettingsKey = "ChangeResolution";

Result<void> readProjectFields(FieldReader& reader, ProjectInfo& p) {
  auto text = [&reader](std::string& member) -> Result<void> {
    auto v = reader.readText();
    if (!v) return v.error();
    member = std::move(v).value();
    return {};
  };
  auto number = [&reader](std::int16_t& member) -> Result<void> {
    auto v = reader.readInt16();
    if (!v) return v.error();
    member = v.value();
    return {};
  };
  std::string unusedText;
  std::int16_t unusedNumber = 0;
  if (auto r = text(p.GameKey); !r) return r;
  if (auto r = text(unusedText); !r) return r;
  if (auto r = text(p.GameTitle); !r) return r;
  if (auto r = number(unusedNumber); !r) return r;
  if (auto r = text(p.StartFrame); !r) return r;
  if (auto r = text(p.GameVersion); !r) return r;
  if (auto r = number(p.GameWidth); !r) return r;
  if (auto r = number(p.GameHeight); !r) return r;
  if (auto r = text(p.GameAuthor); !r) return r;
  if (auto r = text(p.AuthorEmail); !r) return r;
  return text(p.HomePage);
}
}  // namespace

WelcomeWindow::WelcomeWindow(Program& program) : program_(program), window_(program.windows(), "frmWelcome") {
  window_.onCreate = [this] { createControls(); };
  window_.onLoad = [this] { Form_Load(); };
  window_.onUnload = [this](int& cancel) { Form_Unload(cancel); };
  window_.onActivate = [this] { Form_Activate(); };
  window_.onPaint = [this] { Form_Paint(); };
}

ui::Control& WelcomeWindow::control(const std::string& name) const { return *window_.find(name); }

void WelcomeWindow::centre() {
  platform::Platform& p = program_.platform();
  const ui::Twips screenWidth = GetScreenWidth(p) * ui::kTwipsPerPixel;
  const ui::Twips screenHeight = GetScreenHeight(p) * ui::kTwipsPerPixel;
  window_.setTop(screenHeight / 2 - window_.height() / 2);
  window_.setLeft(screenWidth / 2 - window_.width() / 2);
}

void WelcomeWindow::Form_Load() {
  ProgramState& state = program_.state();
  centre();

  GamePaths& paths = state.paths;
  const std::string folder = program_.platform().files.programFolder();
  paths.GameFolder = folder + "/";
  if (paths.GameFolder.size() >= 2 && paths.GameFolder.ends_with("//")) paths.GameFolder = folder;
  paths.FramesPath = paths.GameFolder + "Frames/";
  paths.AreasPath = paths.GameFolder + "Areas/";
  paths.IconsPath = paths.GameFolder + "Icons/";
  paths.ConfigPath = paths.GameFolder + "Config/";

  ClearFrameInfo(state.frame);

  auto reader = FieldReader::open(program_.platform().files, paths.ConfigPath + "General");
  Result<void> read = reader ? readProjectFields(reader.value(), state.project) : Result<void>(reader.error());
  if (!read) {
    program_.platform().ui.messageBox("Unable to load project information. The game may not work properly.",
                                      ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
    return;
  }
  state.project.OfferResolutionChange = reader.value().readInt16().valueOr(1);

  layOutInformationLines();
  centre();
  restoreChoice();
}

void WelcomeWindow::layOutInformationLines() {
  const ProjectInfo& project = program_.state().project;
  const ui::Twips frame = window_.height() - window_.innerHeight();
  ui::Twips t = kFirstLine;

  control("txtAdventureName").setCaption(project.GameTitle);
  ui::Control& version = control("txtVersion");
  if (!project.GameVersion.empty()) {
    version.setCaption(project.GameVersion);
    version.setTop(t);
    t += kLineStep;
  } else {
    version.setCaption("");
  }

  struct Line {
    const std::string& text;
    const char* label;
    const char* value;
  };
  const Line lines[] = {{project.GameAuthor, "lblAuthor", "txtAuthor"},
                        {project.AuthorEmail, "lblEmail", "txtEmail"},
                        {project.HomePage, "lblHomepage", "txtHomepage"}};
  for (const Line& line : lines) {
    if (line.text.empty()) continue;
    ui::Control& label = control(line.label);
    ui::Control& value = control(line.value);
    value.setCaption(line.text);
    label.setTop(t);
    value.setTop(t);
    t += kLineStep;
    label.setVisible(true);
    value.setVisible(true);
  }

  ui::Control& check = control("chkResolution");
  ui::Control& checkLabel = control("lblResolution");
  GameContext context = program_.context();
  if (IsDisplay640x480(context) || project.OfferResolutionChange != 1) {
    check.setVisible(false);
    checkLabel.setVisible(false);
  } else {
    check.setValue(1);
    check.setTop(t + kCheckBoxDrop);
    checkLabel.setTop(t);
    t += kLineStep;
    check.setVisible(true);
    checkLabel.setVisible(true);
  }
  window_.setHeight(frame + t + kBottomMargin);
}

void WelcomeWindow::restoreChoice() {
  const std::string stored =
      program_.platform()
          .settings.read(kSettingsApplication, program_.state().project.GameKey, kSettingsKey)
          .value_or("1");
  // The stored text read as a whole number; anything that is not a check
  // box value leaves the box as it is.
  if (stored.empty()) return;
  FieldReader reader(stored);
  auto value = reader.readInt16();
  if (!value || value.value() < 0 || value.value() > 2) return;
  control("chkResolution").setValue(value.value());
}

void WelcomeWindow::Form_Unload(int& /*cancel*/) {
  const int value = control("chkResolution").value();
  (void)program_.platform().settings.write(kSettingsApplication, program_.state().project.GameKey, kSettingsKey,
                                           std::to_string(value));
  program_.platform().ui.endProgram();
}

}  // namespace quorlen
