#pragma once
// A top-level window of the model: its controls (single ones and indexed
// sets whose element 0 is the template), its menu entries, its state
// (unloaded, hidden, shown) and its handlers.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/control.h"
#include "platform/control_registry.h"
#include "platform/control_stack.h"
#include "platform/element_set.h"
#include "platform/ui_types.h"

namespace quorlen::ui {

class WindowManager;

struct HitResult {
  Control* control = nullptr;  // nullptr: the window itself
  Twips x = 0;                 // relative to the control (or the window's inside)
  Twips y = 0;
};

class Window {
 public:
  enum class State { Unloaded, Hidden, Shown };
  using Handler = std::function<void()>;
  using UnloadHandler = std::function<void(int& cancel)>;
  using MouseHandler = std::function<void(const MouseArgs&)>;
  using KeyHandler = std::function<void(int keyCode, int shift)>;
  using DropHandler = std::function<void(Control& source, Twips x, Twips y)>;

  Window(WindowManager& manager, std::string name);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] WindowManager& manager() const { return manager_; }
  [[nodiscard]] Handle handle() const { return handle_; }

  // Life cycle. load() creates the controls (onCreate) and runs onLoad;
  // show() loads first when needed. unload() runs onUnload, which may cancel.
  [[nodiscard]] State state() const { return state_; }
  [[nodiscard]] bool loaded() const { return state_ != State::Unloaded; }
  [[nodiscard]] bool isModal() const { return modal_; }
  void load();
  void show();
  // Shows the window modally and returns when it has been unloaded.
  void showModal();
  void hide();
  void unload();

  // Geometry of the outer window, in twips, on the screen.
  [[nodiscard]] Twips left() const { return left_; }
  [[nodiscard]] Twips top() const { return top_; }
  [[nodiscard]] Twips width() const { return width_; }
  [[nodiscard]] Twips height() const { return height_; }
  void setLeft(Twips value);
  void setTop(Twips value);
  void setWidth(Twips value);
  void setHeight(Twips value);
  // The inside: the outer size less the frame and title bar.
  [[nodiscard]] Twips innerWidth() const;
  [[nodiscard]] Twips innerHeight() const;
  [[nodiscard]] Twips frameAllowance() const;
  // Whether the window has a frame and title bar (the game window has none).
  [[nodiscard]] bool framed() const { return framed_; }
  void setFramed(bool value) { framed_ = value; }

  [[nodiscard]] const std::string& title() const { return title_; }
  void setTitle(std::string value);
  [[nodiscard]] Color backColor() const { return backColor_; }
  void setBackColor(Color value);
  [[nodiscard]] const Pointer& pointer() const { return pointer_; }
  void setPointer(Pointer value);

  // Controls. `parent` nullptr places the control on the window itself.
  Control& add(ControlKind kind, const std::string& name, Control* parent = nullptr);
  // An indexed set: creates its template, element 0, hidden.
  Control& addSet(ControlKind kind, const std::string& name, Control* parent = nullptr);
  // Creates element `index` from the template (hidden, on top of its layer).
  Control& loadElement(const std::string& setName, int index);
  void unloadElement(const std::string& setName, int index);
  // The number of elements of a set, template included.
  [[nodiscard]] int elementCount(const std::string& setName) const;
  // The highest index of a set's elements; 0 when only the template exists.
  [[nodiscard]] int highestElementIndex(const std::string& setName) const;
  // The indexes of a set's elements, template included, in rising order.
  [[nodiscard]] std::vector<int> elementIndexes(const std::string& setName) const;
  [[nodiscard]] Control* find(const std::string& name) const;
  [[nodiscard]] Control* element(const std::string& setName, int index) const;
  [[nodiscard]] Control* findByHandle(Handle handle) const;
  // Top-level controls, back to front (menu entries, timers and file lists
  // are not drawn but are listed).
  [[nodiscard]] const ControlStack& children() const { return children_; }
  [[nodiscard]] std::vector<Control*> menuEntries() const;
  // Every control of the window, in creation order.
  [[nodiscard]] std::vector<Control*> allControls() const;

  // The topmost visible control at a point of the inside (twips).
  [[nodiscard]] HitResult hitTest(Twips x, Twips y) const;
  // The position of a control's top-left corner in the window's inside.
  [[nodiscard]] std::pair<Twips, Twips> originOf(const Control& control) const;

  // Keyboard focus and manual dragging.
  [[nodiscard]] Control* focus() const { return focus_; }
  void setFocus(Control* control) { focus_ = control; }
  [[nodiscard]] Control* dragSource() const { return dragSource_; }
  void beginDrag(Control& source);
  void endDrag() { dragSource_ = nullptr; }

  // What the window's paint handler drew on it.
  [[nodiscard]] const std::vector<DrawnPicture>& drawing() const { return drawing_; }
  void clearDrawing();
  void drawPicture(const Picture& picture, Twips x, Twips y);

  void changed();

  // Handlers.
  Handler onCreate;  // builds the controls in their design state
  Handler onLoad;
  Handler onActivate;
  Handler onPaint;
  UnloadHandler onUnload;
  MouseHandler onMouseDown;
  KeyHandler onKeyDown;
  DropHandler onDragDrop;

 private:
  friend class Control;
  friend class WindowManager;
  Control& create(ControlKind kind, const std::string& name, std::optional<int> index, Control* parent);
  void insertInStack(Control& control, Control* parent);
  void removeFromStack(Control& control);
  void bringToFront(Control& control);
  void destroyControls();
  [[nodiscard]] HitResult hitTestIn(const ControlStack& stack, Twips x, Twips y) const;

  WindowManager& manager_;
  std::string name_;
  Handle handle_;
  State state_ = State::Unloaded;
  bool modal_ = false;
  bool framed_ = true;
  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string title_;
  Color backColor_ = kWhite;
  Pointer pointer_;
  // Every control by handle, in creation order.
  ControlRegistry controls_;
  // The first control made under each name that is not an element of a set.
  std::unordered_map<std::string, Control*> named_;
  ControlStack children_;
  std::map<std::string, ElementSet> sets_;
  Control* focus_ = nullptr;
  Control* dragSource_ = nullptr;
  std::vector<DrawnPicture> drawing_;
};

}  // namespace quorlen::ui
