#pragma once
// A value with a change notification, so screens can write
// `label->Caption = "..."` and `timer->Enabled = false` as the classic
// library allows, and the control still learns that it must react.
#include <functional>
#include <string>
#include <utility>

namespace ui {

// Told before a property's value is read or written: lets an owner work a
// value out only when someone looks at it (a label's size, say), and settle
// what hangs on the old value before it changes.
class PropertyWatcher {
 public:
  virtual void BeforeRead() const {}
  virtual void BeforeWrite() const {}

 protected:
  ~PropertyWatcher() = default;
};

template <typename T>
class Property {
 public:
  Property() = default;
  explicit Property(T initial) : value_(std::move(initial)) {}
  Property(const Property&) = delete;

  Property& operator=(const T& v) {
    if (watcher_ != nullptr) watcher_->BeforeWrite();
    if (!(value_ == v)) {
      value_ = v;
      if (changed_) changed_();
    }
    return *this;
  }
  Property& operator=(const Property& other) { return *this = other.Read(); }

  operator const T&() const { return Read(); }
  const T& operator()() const { return Read(); }
  const T* operator->() const { return &Read(); }

  // Called after every change of the value (not on assignments of an equal value).
  void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }
  // Stores a value without notifying: for the owner's own bookkeeping.
  void SetQuietly(const T& v) { value_ = v; }
  void Watch(const PropertyWatcher* watcher) { watcher_ = watcher; }

  friend bool operator==(const Property& p, const T& v) { return p.Read() == v; }

 private:
  const T& Read() const {
    if (watcher_ != nullptr) watcher_->BeforeRead();
    return value_;
  }
  T value_{};
  std::function<void()> changed_;
  const PropertyWatcher* watcher_ = nullptr;
};

// Texts compose with plain strings as the classic library's strings did.
inline std::string operator+(const Property<std::string>& p, const std::string& s) { return p() + s; }
inline std::string operator+(const std::string& s, const Property<std::string>& p) { return s + p(); }
inline std::string operator+(const Property<std::string>& p, const char* s) { return p() + s; }
inline std::string operator+(const char* s, const Property<std::string>& p) { return s + p(); }
inline bool operator==(const Property<std::string>& p, const char* s) { return p() == s; }

}  // namespace ui
