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

const Control::Rare& Control::rare() const {
  static const Rare kNone;
  return rare_ ? *rare_ : kNone;
}

Control::Rare& Control::rareToSet() {
  if (!rare_) rare_ = std::make_unique<Rare>();
  return *rare_;
}

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
  if (rare().value == value) return;
  rareToSet().value = value;
  changed();
}

void Control::setText(std::string value) {
  if (rare().text == value) return;
  rareToSet().text = std::move(value);
  changed();
  if (onChange) onChange(*this);
}

void Control::setItems(std::vector<std::string> items) {
  Rare& r = rareToSet();
  r.items = std::move(items);
  r.listIndex = -1;
  changed();
}

void Control::addItem(std::string item) {
  rareToSet().items.push_back(std::move(item));
  changed();
}

void Control::clearItems() {
  Rare& r = rareToSet();
  r.items.clear();
  r.listIndex = -1;
  changed();
}

void Control::setListIndex(int value) {
  if (value < -1 || value >= static_cast<int>(items().size())) value = -1;
  rareToSet().listIndex = value;
  changed();
}

void Control::setPointer(Pointer value) {
  pointer_ = std::move(value);
  changed();
}

void Control::setDragIcon(std::optional<Picture> value) { rareToSet().dragIcon = std::move(value); }

void Control::setToolTip(std::string value) {
  rareToSet().toolTip = std::move(value);
  changed();
}

void Control::setTimerEnabled(bool value) {
  rareToSet().timerEnabled = value;
  window_.manager().host().timerChanged(*this);
}

void Control::setInterval(int milliseconds) {
  rareToSet().interval = milliseconds;
  window_.manager().host().timerChanged(*this);
}

void Control::clearDrawing() {
  if (rare().drawing.empty()) return;
  rareToSet().drawing.clear();
  changed();
}

void Control::drawPicture(const Picture& picture, Twips x, Twips y) {
  rareToSet().drawing.push_back(DrawnPicture{picture, x, y});
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
  pointer_ = other.pointer_;
  // Of the rare properties, these five are copied.
  if (other.rare_ || rare_) {
    const Rare& from = other.rare();
    Rare& to = rareToSet();
    to.value = from.value;
    to.text = from.text;
    to.dragIcon = from.dragIcon;
    to.toolTip = from.toolTip;
    to.tag = from.tag;
  }
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
