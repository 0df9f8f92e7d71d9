#include "platform/window.h"

#include <algorithm>
#include <stdexcept>

#include "platform/window_manager.h"

namespace quorlen::ui {

Window::Window(WindowManager& manager, std::string name)
    : manager_(manager), name_(std::move(name)), handle_(manager.registerWindow(*this)) {}

Window::~Window() { manager_.unregisterWindow(*this); }

void Window::load() {
  if (loaded()) return;
  destroyControls();
  state_ = State::Hidden;
  if (onCreate) onCreate();
  if (onLoad) onLoad();
}

void Window::show() {
  load();
  if (state_ == State::Shown) return;
  state_ = State::Shown;
  modal_ = false;
  manager_.windowShown(*this, false);
}

void Window::showModal() {
  load();
  state_ = State::Shown;
  modal_ = true;
  manager_.windowShown(*this, true);
  manager_.host().runModalLoop(*this);
}

void Window::hide() {
  if (state_ != State::Shown) return;
  state_ = State::Hidden;
  manager_.windowHidden(*this);
}

void Window::unload() {
  if (!loaded()) return;
  int cancel = 0;
  if (onUnload) onUnload(cancel);
  if (cancel != 0 || !loaded()) return;
  state_ = State::Unloaded;
  modal_ = false;
  destroyControls();
  manager_.windowUnloaded(*this);
}

void Window::setLeft(Twips value) {
  left_ = value;
  changed();
}
void Window::setTop(Twips value) {
  top_ = value;
  changed();
}
void Window::setWidth(Twips value) {
  width_ = value;
  changed();
}
void Window::setHeight(Twips value) {
  height_ = value;
  changed();
}

Twips Window::frameAllowance() const { return framed_ ? manager_.host().frameAllowance() : 0; }
Twips Window::innerWidth() const { return framed_ ? width_ - manager_.host().frameWidthAllowance() : width_; }
Twips Window::innerHeight() const { return height_ - frameAllowance(); }

void Window::setTitle(std::string value) {
  title_ = std::move(value);
  changed();
}
void Window::setBackColor(Color value) {
  backColor_ = value;
  changed();
}
void Window::setPointer(Pointer value) {
  pointer_ = std::move(value);
  changed();
}

Control& Window::create(ControlKind kind, const std::string& name, std::optional<int> index, Control* parent) {
  auto control = std::make_unique<Control>(*this, kind, name, index, parent, manager_.newHandle());
  Control& ref = *control;
  controls_.add(std::move(control));
  if (!index) named_.emplace(name, &ref);
  insertInStack(ref, parent);
  changed();
  return ref;
}

Control& Window::add(ControlKind kind, const std::string& name, Control* parent) {
  return create(kind, name, std::nullopt, parent);
}

Control& Window::addSet(ControlKind kind, const std::string& name, Control* parent) {
  Control& element0 = create(kind, name, 0, parent);
  element0.visible_ = false;
  sets_[name].insert(0, element0);
  return element0;
}

Control& Window::loadElement(const std::string& setName, int index) {
  auto set = sets_.find(setName);
  if (set == sets_.end()) throw std::logic_error("no control set " + setName);
  if (set->second.find(index) != nullptr) throw std::runtime_error("element already loaded: " + setName);
  const Control* element0 = set->second.find(0);
  if (element0 == nullptr) throw std::out_of_range("no template of " + setName);
  Control& element = create(element0->kind(), setName, index, element0->parent());
  element.copyPropertiesFrom(*element0);
  element.visible_ = false;
  set->second.insert(index, element);
  return element;
}

void Window::unloadElement(const std::string& setName, int index) {
  auto set = sets_.find(setName);
  if (set == sets_.end() || index == 0) throw std::logic_error("cannot unload element of " + setName);
  Control* control = set->second.find(index);
  if (control == nullptr) throw std::runtime_error("element not loaded: " + setName);
  set->second.erase(index);
  removeFromStack(*control);
  if (focus_ == control) focus_ = nullptr;
  if (dragSource_ == control) dragSource_ = nullptr;
  manager_.bury(controls_.take(control->handle()));
  changed();
}

int Window::elementCount(const std::string& setName) const {
  auto set = sets_.find(setName);
  return set == sets_.end() ? 0 : set->second.size();
}

int Window::highestElementIndex(const std::string& setName) const {
  auto set = sets_.find(setName);
  if (set == sets_.end() || set->second.empty()) return 0;
  return std::max(0, set->second.highest());
}

std::vector<int> Window::elementIndexes(const std::string& setName) const {
  auto set = sets_.find(setName);
  if (set == sets_.end()) return {};
  return set->second.indexes();
}

Control* Window::find(const std::string& name) const {
  auto found = named_.find(name);
  return found == named_.end() ? nullptr : found->second;
}

Control* Window::element(const std::string& setName, int index) const {
  auto set = sets_.find(setName);
  if (set == sets_.end()) return nullptr;
  return set->second.find(index);
}

Control* Window::findByHandle(Handle handle) const {
  return controls_.find(handle);
}

std::vector<Control*> Window::menuEntries() const {
  std::vector<Control*> entries;
  controls_.forEach([&entries](Control& c) {
    if (c.kind() == ControlKind::MenuEntry) entries.push_back(&c);
  });
  return entries;
}

std::vector<Control*> Window::allControls() const {
  std::vector<Control*> all;
  all.reserve(controls_.size());
  controls_.forEach([&all](Control& c) { all.push_back(&c); });
  return all;
}

void Window::insertInStack(Control& control, Control* parent) {
  ControlStack& stack = parent ? parent->children_ : children_;
  stack.putOnTop(control, hasNativeWindow(control.kind()));
}

void Window::removeFromStack(Control& control) {
  ControlStack& stack = control.parent() ? control.parent()->children_ : children_;
  stack.remove(control);
}

void Window::bringToFront(Control& control) {
  insertInStack(control, control.parent());
  changed();
}

void Window::destroyControls() {
  for (auto& c : controls_.takeAll()) manager_.bury(std::move(c));
  named_.clear();
  children_.clear();
  sets_.clear();
  focus_ = nullptr;
  dragSource_ = nullptr;
  drawing_.clear();
}

void Window::beginDrag(Control& source) { dragSource_ = &source; }

void Window::clearDrawing() {
  if (drawing_.empty()) return;
  drawing_.clear();
  changed();
}

void Window::drawPicture(const Picture& picture, Twips x, Twips y) {
  drawing_.push_back(DrawnPicture{picture, x, y});
  changed();
}

void Window::changed() {
  if (loaded() && !manager_.painting()) manager_.host().windowChanged(*this);
}

static bool takesPointer(const Control& c) {
  switch (c.kind()) {
    case ControlKind::MenuEntry:
    case ControlKind::Timer:
    case ControlKind::FileList: return false;
    default: return c.visible() && c.enabled();
  }
}

HitResult Window::hitTestIn(const ControlStack& stack, Twips x, Twips y) const {
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    Control* c = *it;
    if (!takesPointer(*c)) continue;
    // In a wider type: a control may lie anywhere a game file puts it.
    const std::int64_t lx = std::int64_t{x} - c->left();
    const std::int64_t ly = std::int64_t{y} - c->top();
    if (lx < 0 || ly < 0 || lx >= c->width() || ly >= c->height()) continue;
    if (!c->children().empty()) {
      HitResult inner = hitTestIn(c->children(), static_cast<Twips>(lx), static_cast<Twips>(ly));
      if (inner.control) return inner;
    }
    return HitResult{c, static_cast<Twips>(lx), static_cast<Twips>(ly)};
  }
  return HitResult{nullptr, x, y};
}

HitResult Window::hitTest(Twips x, Twips y) const { return hitTestIn(children_, x, y); }

std::pair<Twips, Twips> Window::originOf(const Control& control) const {
  std::int64_t x = 0;
  std::int64_t y = 0;
  for (const Control* c = &control; c != nullptr; c = c->parent()) {
    x = clampTwips(x + c->left());
    y = clampTwips(y + c->top());
  }
  return {static_cast<Twips>(x), static_cast<Twips>(y)};
}

}  // namespace quorlen::ui
