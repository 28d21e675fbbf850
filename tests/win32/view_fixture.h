#pragma once
// A window host and application over real windows, for the view's tests under Wine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>
#include <string>

#include "skin/skin.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/window_host.h"

namespace qb::ui::win32::testing {

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() : host_(GetModuleHandleW(nullptr), app_), app_(host_) {}
  ~ViewTest() override {
    app_.UnloadAll(CloseReason::Code);
    DrainQuit();
  }

  // Forms live as long as the fixture, past the windows that show them.
  Form& NewForm(const std::string& name = "testfrm", int width = 6000, int height = 4000) {
    forms_.push_back(std::make_unique<Form>(name, "Test " + name, width, height));
    return *forms_.back();
  }

  HWND Hwnd(const Control& control) const { return reinterpret_cast<HWND>(host_.HandleOf(control)); }
  HWND Hwnd(const Form& form) const { return reinterpret_cast<HWND>(host_.HandleOf(form)); }

  static std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
  }

  // A real click in the middle of a window (or at a point of it).
  static void Click(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Click(window, {client.right / 2, client.bottom / 2});
  }
  static void Click(HWND window, POINT point) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }

  // The window's rectangle in its parent's client coordinates.
  static RECT PlaceOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // Pumps messages until the condition holds; false if it never did within many rounds.
  bool PumpUntil(const std::function<bool()>& done) {
    for (int round = 0; round < 400 && !done(); ++round) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 25, QS_ALLINPUT);
      host_.DoEvents();
    }
    return done();
  }

  static skin::Skin TestSkin() {
    skin::Skin skin;
    skin::ElementStyle form;
    form.title_height = 24;
    form.title_buttons = {"about", "close"};
    skin.elements["Form"] = form;
    skin.elements["Button"] = skin::ElementStyle{};
    skin.elements["check"] = skin::ElementStyle{};
    skin.elements["radio"] = skin::ElementStyle{};
    skin.elements["frame"] = skin::ElementStyle{};
    return skin;
  }

  std::vector<std::unique_ptr<Form>> forms_;
  WindowHost host_;
  Application app_;

 private:
  // A quit left in the queue would end the next test's loops at once.
  static void DrainQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

}  // namespace qb::ui::win32::testing
