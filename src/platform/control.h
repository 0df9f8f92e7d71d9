#pragma once
// One control of the window model: its properties, its place in the
// stacking order of its container, and the handlers the game connects to its
// events. The model never draws; a backend reads it.

#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/control_stack.h"
#include "platform/shared_handler.h"
#include "platform/ui_types.h"

namespace quorlen::ui {

class Window;

struct MouseArgs {
  MouseButton button = MouseButton::Left;
  int shift = 0;
  Twips x = 0;  // relative to the control
  Twips y = 0;
};

// A picture drawn on a picture box or window by a paint handler.
struct DrawnPicture {
  Picture picture;
  Twips x = 0;
  Twips y = 0;
  friend bool operator==(const DrawnPicture&, const DrawnPicture&) = default;
};

class Control {
 public:
  using Handler = SharedHandler<void(Control&)>;
  using MouseHandler = SharedHandler<void(Control&, const MouseArgs&)>;
  using KeyHandler = SharedHandler<void(Control&, int keyCode, int shift)>;
  using DropHandler = SharedHandler<void(Control& target, Control& source, Twips x, Twips y)>;

  Control(Window& window, ControlKind kind, std::string name, std::optional<int> index, Control* parent,
          Handle handle);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Identity.
  [[nodiscard]] Window& window() const { return window_; }
  [[nodiscard]] ControlKind kind() const { return kind_; }
  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] std::optional<int> index() const { return index_; }
  [[nodiscard]] int indexOr0() const { return index_.value_or(0); }
  // "Area(3)" for an element of a set, "PictureBox" otherwise.
  [[nodiscard]] std::string qualifiedName() const;
  [[nodiscard]] Control* parent() const { return parent_; }
  [[nodiscard]] Handle handle() const { return handle_; }

  // Geometry, relative to the container, in twips.
  [[nodiscard]] Twips left() const { return left_; }
  [[nodiscard]] Twips top() const { return top_; }
  [[nodiscard]] Twips width() const { return width_; }
  [[nodiscard]] Twips height() const { return height_; }
  void setLeft(Twips value);
  void setTop(Twips value);
  void setWidth(Twips value);
  void setHeight(Twips value);
  void move(Twips left, Twips top, Twips width, Twips height);

  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool value);
  [[nodiscard]] bool enabled() const { return enabled_; }
  void setEnabled(bool value);
  // Visible itself and inside visible containers.
  [[nodiscard]] bool shownOnScreen() const;

  // Pictures. An image that does not stretch takes the size of its picture.
  [[nodiscard]] const std::optional<Picture>& picture() const { return picture_; }
  void setPicture(std::optional<Picture> picture);
  [[nodiscard]] bool stretch() const { return stretch_; }
  void setStretch(bool value);

  // Captions and text.
  [[nodiscard]] const std::string& caption() const { return caption_; }
  void setCaption(std::string value);
  [[nodiscard]] const Font& font() const { return font_; }
  void setFont(Font value);
  // Changes the font in place: `change` is called with it.
  template <typename Change>
  void changeFont(Change&& change) {
    change(font_);
    fontChanged();
  }
  [[nodiscard]] Color foreColor() const { return foreColor_; }
  void setForeColor(Color value);
  [[nodiscard]] Color backColor() const { return backColor_; }
  void setBackColor(Color value);
  [[nodiscard]] bool backTransparent() const { return backTransparent_; }
  void setBackTransparent(bool value);
  [[nodiscard]] Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment value);
  // A label that sizes itself to its caption.
  [[nodiscard]] bool autoSize() const { return autoSize_; }
  void setAutoSize(bool value);

  // Check box value (0 cleared, 1 ticked), text box text.
  [[nodiscard]] int value() const { return rare().value; }
  void setValue(int value);
  [[nodiscard]] const std::string& text() const { return rare().text; }
  void setText(std::string value);

  // List box and file list entries; -1 when none is selected.
  [[nodiscard]] const std::vector<std::string>& items() const { return rare().items; }
  void setItems(std::vector<std::string> items);
  void addItem(std::string item);
  void clearItems();
  [[nodiscard]] int listIndex() const { return rare().listIndex; }
  void setListIndex(int value);
  // File list: the folder and pattern whose names it lists.
  [[nodiscard]] const std::string& path() const { return rare().path; }
  void setPath(std::string value) { rareToSet().path = std::move(value); }
  [[nodiscard]] const std::string& pattern() const { return rare().pattern; }
  void setPattern(std::string value) { rareToSet().pattern = std::move(value); }

  // Buttons.
  [[nodiscard]] bool isDefault() const { return rare().isDefault; }
  void setDefault(bool value) { rareToSet().isDefault = value; }
  [[nodiscard]] bool isCancel() const { return rare().isCancel; }
  void setCancel(bool value) { rareToSet().isCancel = value; }

  // Pointer, drag icon, tool tip and the free tag.
  [[nodiscard]] const Pointer& pointer() const { return pointer_; }
  void setPointer(Pointer value);
  [[nodiscard]] const std::optional<Picture>& dragIcon() const { return rare().dragIcon; }
  void setDragIcon(std::optional<Picture> value);
  [[nodiscard]] const std::string& toolTip() const { return rare().toolTip; }
  void setToolTip(std::string value);
  [[nodiscard]] const std::string& tag() const { return rare().tag; }
  void setTag(std::string value) { rareToSet().tag = std::move(value); }

  // Timer: interval in milliseconds; 0 never fires.
  [[nodiscard]] bool timerEnabled() const { return rare().timerEnabled; }
  void setTimerEnabled(bool value);
  [[nodiscard]] int interval() const { return rare().interval; }
  void setInterval(int milliseconds);

  // What the paint handler drew on this picture box.
  [[nodiscard]] const std::vector<DrawnPicture>& drawing() const { return rare().drawing; }
  void clearDrawing();
  void drawPicture(const Picture& picture, Twips x, Twips y);

  // Stacking order inside the container: children back to front.
  [[nodiscard]] const ControlStack& children() const { return children_; }
  void bringToFront();

  // Manual drag and drop: starts dragging this control.
  void beginDrag();

  // Handlers the game connects; elements of a set copy their template's.
  Handler onClick;
  Handler onDblClick;
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  KeyHandler onKeyDown;
  DropHandler onDragDrop;
  Handler onPaint;
  Handler onTimer;
  Handler onChange;

 private:
  friend class Window;
  friend class ControlStack;
  void copyPropertiesFrom(const Control& other);
  void changed();
  // A label that sizes itself to its caption takes the caption's size.
  void fitCaption();
  void fontChanged();

  Window& window_;
  ControlKind kind_;
  std::string name_;
  std::optional<int> index_;
  Control* parent_;
  Handle handle_;
  ControlStack children_;
  // Its place in its container's stack, while it is in one.
  std::list<Control*>::iterator stackPlace_;
  bool stacked_ = false;

  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::optional<Picture> picture_;
  bool stretch_ = false;
  std::string caption_;
  Font font_;
  Color foreColor_ = kBlack;
  Color backColor_ = kWhite;
  bool backTransparent_ = false;
  Alignment alignment_ = Alignment::Left;
  bool autoSize_ = false;
  Pointer pointer_;
  // What few controls have (check boxes, text boxes, lists, buttons,
  // timers, tips, drawings): made when one of them is first set.
  struct Rare {
    int value = 0;
    std::string text;
    std::vector<std::string> items;
    int listIndex = -1;
    std::string path;
    std::string pattern = "*.*";
    bool isDefault = false;
    bool isCancel = false;
    std::optional<Picture> dragIcon;
    std::string toolTip;
    std::string tag;
    bool timerEnabled = true;
    int interval = 0;
    std::vector<DrawnPicture> drawing;
  };
  [[nodiscard]] const Rare& rare() const;
  Rare& rareToSet();
  std::unique_ptr<Rare> rare_;
};

}  // namespace quorlen::ui
