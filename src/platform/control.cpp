#include "platform/control.h"

#include "platform/window.h"
#include "platform/window_manager.h"

namespace quorlen::ui {

Control::Control(Window& window, ControlKind kind, std::string name, std::optional<int> index, Control* parent,
                 Handle handle)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index), parent_(parent), handle_(handle) {
  if (kind_ == ControlKind::Label) backColor_ = kWhite;
}

std::string Control::qualifiedName() const {
  if (!index_) return name_;
  return name_ + "(" + std::to_string(*index_) + ")";
}

void Control::changed() { window_.changed(); }

void Control::setLeft(Twips value) { move(value, top_, width_, height_); }
void Control::setTop(Twips value) { move(left_, value, width_, height_); }
void Control::setWidth(Twips value) { move(left_, top_, value, height_); }
void Control::setHeight(Twips value) { move(left_, top_, width_, value); }

void Control::move(Twips left, Twips top, Twips width, Twips height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed();
}

void Control::setVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  changed();
}

void Control::setEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  changed();
}

bool Control::shownOnScreen() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::setPicture(std::optional<Picture> picture) {
  picture_ = std::move(picture);
  if (kind_ == ControlKind::Image && !stretch_ && picture_) {
    width_ = twipsOfPixels(picture_->width);
    height_ = twipsOfPixels(picture_->height);
  }
  changed();
}

void Control::setStretch(bool value) {
  stretch_ = value;
  changed();
}

void Control::setCaption(std::string value) {
  caption_ = std::move(value);
  fitCaption();
  changed();
}

void Control::fitCaption() {
  if (!autoSize_) return;
  auto [w, h] = window_.manager().host().measureText(font_, caption_);
  width_ = twipsOfPixels(w);
  height_ = twipsOfPixels(h);
}

void Control::setFont(Font value) {
  font_ = std::move(value);
  fontChanged();
}

void Control::fontChanged() {
  fitCaption();
  changed();
}

void Control::setForeColor(Color value) {
  foreColor_ = value;
  changed();
}

void Control::setBackColor(Color value) {
  backColor_ = value;
  changed();
}

void Control::setBackTransparent(bool value) {
  backTransparent_ = value;
  changed();
}

void Control::setAlignment(Alignment value) {
  alignment_ = value;
  changed();
}

void Control::setAutoSize(bool value) {
  autoSize_ = value;
  if (!autoSize_) return;
  fitCaption();
  changed();
}

void Control::setValue(int value) {
  if (value_ == value) return;
  value_ = value;
  changed();
}

void Control::setText(std::string value) {
  if (text_ == value) return;
  text_ = std::move(value);
  changed();
  if (onChange) onChange(*this);
}

void Control::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  changed();
}

void Control::addItem(std::string item) {
  items_.push_back(std::move(item));
  changed();
}

void Control::clearItems() {
  items_.clear();
  listIndex_ = -1;
  changed();
}

void Control::setListIndex(int value) {
  if (value < -1 || value >= static_cast<int>(items_.size())) value = -1;
  listIndex_ = value;
  changed();
}

void Control::setPointer(Pointer value) {
  pointer_ = std::move(value);
  changed();
}

void Control::setDragIcon(std::optional<Picture> value) { dragIcon_ = std::move(value); }

void Control::setToolTip(std::string value) {
  toolTip_ = std::move(value);
  changed();
}

void Control::setTimerEnabled(bool value) {
  timerEnabled_ = value;
  window_.manager().host().timerChanged(*this);
}

void Control::setInterval(int milliseconds) {
  interval_ = milliseconds;
  window_.manager().host().timerChanged(*this);
}

void Control::clearDrawing() {
  if (drawing_.empty()) return;
  drawing_.clear();
  changed();
}

void Control::drawPicture(const Picture& picture, Twips x, Twips y) {
  drawing_.push_back(DrawnPicture{picture, x, y});
  changed();
}

void Control::bringToFront() { window_.bringToFront(*this); }

void Control::beginDrag() { window_.beginDrag(*this); }

void Control::copyPropertiesFrom(const Control& other) {
  left_ = other.left_;
  top_ = other.top_;
  width_ = other.width_;
  height_ = other.height_;
  visible_ = other.visible_;
  enabled_ = other.enabled_;
  picture_ = other.picture_;
  stretch_ = other.stretch_;
  caption_ = other.caption_;
  font_ = other.font_;
  foreColor_ = other.foreColor_;
  backColor_ = other.backColor_;
  backTransparent_ = other.backTransparent_;
  alignment_ = other.alignment_;
  autoSize_ = other.autoSize_;
  value_ = other.value_;
  text_ = other.text_;
  pointer_ = other.pointer_;
  dragIcon_ = other.dragIcon_;
  toolTip_ = other.toolTip_;
  tag_ = other.tag_;
  onClick = other.onClick;
  onDblClick = other.onDblClick;
  onMouseDown = other.onMouseDown;
  onMouseUp = other.onMouseUp;
  onKeyDown = other.onKeyDown;
  onDragDrop = other.onDragDrop;
  onPaint = other.onPaint;
  onTimer = other.onTimer;
  onChange = other.onChange;
}

}  // namespace quorlen::ui
