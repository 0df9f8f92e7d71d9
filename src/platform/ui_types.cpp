#include "platform/ui_types.h"

namespace quorlen::ui {

const char* toString(MsgBoxIcon icon) {
  switch (icon) {
    case MsgBoxIcon::None: return "none";
    case MsgBoxIcon::Critical: return "critical";
    case MsgBoxIcon::Question: return "question";
    case MsgBoxIcon::Exclamation: return "exclamation";
    case MsgBoxIcon::Information: return "information";
  }
  return "none";
}

const char* toString(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::Ok: return "ok";
    case MsgBoxButtons::OkCancel: return "okcancel";
    case MsgBoxButtons::AbortRetryIgnore: return "abortretryignore";
    case MsgBoxButtons::YesNoCancel: return "yesnocancel";
    case MsgBoxButtons::YesNo: return "yesno";
    case MsgBoxButtons::RetryCancel: return "retrycancel";
  }
  return "ok";
}

const char* toString(MsgBoxResult result) {
  switch (result) {
    case MsgBoxResult::Ok: return "ok";
    case MsgBoxResult::Cancel: return "cancel";
    case MsgBoxResult::Abort: return "abort";
    case MsgBoxResult::Retry: return "retry";
    case MsgBoxResult::Ignore: return "ignore";
    case MsgBoxResult::Yes: return "yes";
    case MsgBoxResult::No: return "no";
  }
  return "ok";
}

MsgBoxResult defaultAnswer(MsgBoxButtons buttons) {
  switch (buttons) {
    case MsgBoxButtons::Ok:
    case MsgBoxButtons::OkCancel: return MsgBoxResult::Ok;
    case MsgBoxButtons::AbortRetryIgnore: return MsgBoxResult::Abort;
    case MsgBoxButtons::YesNoCancel:
    case MsgBoxButtons::YesNo: return MsgBoxResult::Yes;
    case MsgBoxButtons::RetryCancel: return MsgBoxResult::Retry;
  }
  return MsgBoxResult::Ok;
}

bool offers(MsgBoxButtons buttons, MsgBoxResult answer) {
  using R = MsgBoxResult;
  switch (buttons) {
    case MsgBoxButtons::Ok: return answer == R::Ok;
    case MsgBoxButtons::OkCancel: return answer == R::Ok || answer == R::Cancel;
    case MsgBoxButtons::AbortRetryIgnore: return answer == R::Abort || answer == R::Retry || answer == R::Ignore;
    case MsgBoxButtons::YesNoCancel: return answer == R::Yes || answer == R::No || answer == R::Cancel;
    case MsgBoxButtons::YesNo: return answer == R::Yes || answer == R::No;
    case MsgBoxButtons::RetryCancel: return answer == R::Retry || answer == R::Cancel;
  }
  return false;
}

const char* toString(ControlKind kind) {
  switch (kind) {
    case ControlKind::Image: return "image";
    case ControlKind::Label: return "label";
    case ControlKind::PictureBox: return "picturebox";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::TextBox: return "textbox";
    case ControlKind::ListBox: return "listbox";
    case ControlKind::Button: return "button";
    case ControlKind::MenuEntry: return "menu";
    case ControlKind::FileList: return "filelist";
    case ControlKind::Timer: return "timer";
  }
  return "control";
}

bool hasNativeWindow(ControlKind kind) {
  switch (kind) {
    case ControlKind::PictureBox:
    case ControlKind::CheckBox:
    case ControlKind::TextBox:
    case ControlKind::ListBox:
    case ControlKind::Button:
    case ControlKind::FileList: return true;
    default: return false;
  }
}

}  // namespace quorlen::ui
