// A fresh application, manager and test skin for each manager test.
#pragma once

#include <gtest/gtest.h>

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/popup_menu/WinSkinPopMenu.h"
#include "skin_form/FormTestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace manager_test {

using namespace form_test;

class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<ui::TApplication>();
    data_ = MakeSkinData();
    manager_ = skin::SkinManage();
  }
  void TearDown() override {
    app_.reset();  // frees the forms while the manager still sees them go
    data_.reset();
    skin::FreeSkinManage();
  }

  // A shown and activated framework form of the application.
  ui::TForm* ShowForm(std::intptr_t tag = 0) {
    auto* form = new ui::TForm(app_.get());
    form->Tag = tag;
    form->SetBounds(120, 90, 360, 260);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpFor(100);
    return form;
  }

  // The manager's timer tick has come (a request made after the first
  // activation waits for it).
  void WaitForTick() { PumpFor(400); }

  skin::TWinSkinForm* Companion(HWND wnd) const { return manager_->FindForm(wnd); }

  std::unique_ptr<ui::TApplication> app_;
  std::unique_ptr<skin::TSkinData> data_;
  skin::TSkinManage* manager_ = nullptr;
};

}  // namespace manager_test
