// Loads the window only when one is needed: the Qt view lives in a library
// beside the program, so a silent run never loads a toolkit.
#pragma once

#include <memory>
#include <string>

#include "Unit1/Platform.h"

namespace app {

class LazyViewPlatform : public Unit1::FormPlatform {
  public:
    explicit LazyViewPlatform(std::string folder) : folder_(std::move(folder)) {}
    bool Available() override;
    Unit1::ScreenPoint CursorPos() override {
        return Load() ? view_->CursorPos() : Unit1::ScreenPoint{};
    }
    Unit1::ScreenPoint WindowSize() override {
        return Load() ? view_->WindowSize() : Unit1::ScreenPoint{};
    }
    Unit1::ScreenRect ScreenAt(Unit1::ScreenPoint p) override {
        return Load() ? view_->ScreenAt(p) : Unit1::ScreenRect{};
    }
    void ShowAt(Unit1::TForm1& form, int left, int top) override {
        if (Load()) view_->ShowAt(form, left, top);
    }
    bool PickColor(int initial, int& chosen) override {
        return Load() && view_->PickColor(initial, chosen);
    }
    void Close() override {
        if (view_) view_->Close();
    }

  private:
    bool Load();

    std::string folder_;
    bool tried_ = false;
    std::unique_ptr<Unit1::FormPlatform> view_;
};

}  // namespace app
