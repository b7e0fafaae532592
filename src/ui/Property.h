#pragma once
// A value with a change notification, so screens can write
// `label->Caption = "..."` and `timer->Enabled = false` as the classic
// library allows, and the control still learns that it must react.
#include <functional>
#include <string>
#include <utility>

namespace ui {

// Told before a property's value is read: lets an owner work a value out
// only when someone looks at it (a label's size, say).
class PropertyReader {
 public:
  virtual void BeforeRead() const = 0;

 protected:
  ~PropertyReader() = default;
};

template <typename T>
class Property {
 public:
  Property() = default;
  explicit Property(T initial) : value_(std::move(initial)) {}
  Property(const Property&) = delete;

  Property& operator=(const T& v) {
    if (!(value_ == v)) {
      value_ = v;
      if (changed_) changed_();
    }
    return *this;
  }
  Property& operator=(const Property& other) { return *this = other.value_; }

  operator const T&() const { return Read(); }
  const T& operator()() const { return Read(); }
  const T* operator->() const { return &Read(); }

  // Called after every change of the value (not on assignments of an equal value).
  void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }
  // Stores a value without notifying: for the owner's own bookkeeping.
  void SetQuietly(const T& v) { value_ = v; }
  void OnRead(const PropertyReader* reader) { reader_ = reader; }

  friend bool operator==(const Property& p, const T& v) { return p.Read() == v; }

 private:
  const T& Read() const {
    if (reader_ != nullptr) reader_->BeforeRead();
    return value_;
  }
  T value_{};
  std::function<void()> changed_;
  const PropertyReader* reader_ = nullptr;
};

// Texts compose with plain strings as the classic library's strings did.
inline std::string operator+(const Property<std::string>& p, const std::string& s) { return p() + s; }
inline std::string operator+(const std::string& s, const Property<std::string>& p) { return s + p(); }
inline std::string operator+(const Property<std::string>& p, const char* s) { return p() + s; }
inline std::string operator+(const char* s, const Property<std::string>& p) { return s + p(); }
inline bool operator==(const Property<std::string>& p, const char* s) { return p() == s; }

}  // namespace ui
