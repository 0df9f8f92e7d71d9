#pragma once
// An event handler that copies share: the elements of a control set copy
// their template's handlers, and a copy costs one count of a shared
// function instead of a copy of it. Assigning a new function to one
// control's handler leaves the others' as they were.

#include <concepts>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace quorlen::ui {

template <typename Signature>
class SharedHandler;

template <typename... Args>
class SharedHandler<void(Args...)> {
 public:
  using Function = std::function<void(Args...)>;

  SharedHandler() = default;
  SharedHandler(std::nullptr_t) {}  // NOLINT: implicit as std::function's
  template <typename F>
    requires(!std::same_as<std::remove_cvref_t<F>, SharedHandler> && std::is_invocable_v<F&, Args...>)
  SharedHandler(F&& f)  // NOLINT: implicit as std::function's
  {
    Function function(std::forward<F>(f));
    if (function) function_ = std::make_shared<const Function>(std::move(function));
  }

  explicit operator bool() const { return function_ != nullptr; }
  void operator()(Args... args) const {
    // Held while it runs, should the handler replace itself.
    const std::shared_ptr<const Function> running = function_;
    (*running)(std::forward<Args>(args)...);
  }

 private:
  std::shared_ptr<const Function> function_;
};

}  // namespace quorlen::ui
