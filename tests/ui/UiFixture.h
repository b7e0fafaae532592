#pragma once
// A bare application on the headless backend with one visible form, for
// tests of the form library itself.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/InputDriver.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/HeadlessBackend.h"

class UiFixture : public ::testing::Test {
 protected:
  UiFixture() {
    auto backend = std::make_unique<ui::HeadlessBackend>();
    backend_ = backend.get();
    app_ = std::make_unique<ui::Application>(std::move(backend));
    app_->OnException = [this](const std::string& m) { exceptions_.push_back(m); };
    input_ = std::make_unique<testing_support::InputDriver>(*app_, *backend_);
    app_->CreateForm(form_);
    form_->SetClientSize(300, 200);
    form_->Show();
    input_->pump();
  }
  ~UiFixture() override {
    input_->checkEnd();
    input_.reset();
    app_->DestroyForms();
  }

  // Records the events a control receives, in order.
  void Record(ui::Control* c, const std::string& name) {
    c->OnClick = [this, name](ui::Control&) { events_.push_back(name + ".Click"); };
    c->OnDblClick = [this, name](ui::Control&) { events_.push_back(name + ".DblClick"); };
    c->OnMouseDown = [this, name](ui::Control&, ui::MouseButton b, ui::ShiftState s, int, int) {
      events_.push_back(name + ".Down" + (b == ui::MouseButton::Right ? "R" : "") + ((s & ui::ssDouble) ? "2" : ""));
    };
    c->OnMouseUp = [this, name](ui::Control&, ui::MouseButton b, ui::ShiftState, int, int) {
      events_.push_back(name + ".Up" + (b == ui::MouseButton::Right ? "R" : ""));
    };
    c->OnMouseMove = [this, name](ui::Control&, ui::ShiftState, int, int) { events_.push_back(name + ".Move"); };
  }

  ui::HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<ui::Application> app_;
  std::unique_ptr<testing_support::InputDriver> input_;
  ui::Form* form_ = nullptr;
  std::vector<std::string> events_;
  std::vector<std::string> exceptions_;
};
