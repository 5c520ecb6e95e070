// Event dispatch for views and window placement.
#include <algorithm>

#include "Unit1/Form.h"
#include "Unit1/Platform.h"

namespace Unit1 {

void InvokeFormEvent(TForm1& form, FormEvent event) {
    switch (event) {
        case FormEvent::Button1:
            return form.Button1Click();
        case FormEvent::Button2:
            return form.Button2Click();
        case FormEvent::Button3:
            return form.Button3Click();
        case FormEvent::Button4:
            return form.Button4Click();
        case FormEvent::Button5:
            return form.Button5Click();
        case FormEvent::Button6:
            return form.Button6Click();
        case FormEvent::Button7:
            return form.Button7Click();
        case FormEvent::Button8:
            return form.Button8Click();
        case FormEvent::Button9:
            return form.Button9Click();
        case FormEvent::ListBox1:
            return form.ListBox1Click();
        case FormEvent::SpeedButton1:
            return form.SpeedButton1Click();
        case FormEvent::CloseBox:
            return form.CloseBox();
    }
}

ScreenPoint KeepOnScreen(ScreenPoint topLeft, ScreenPoint size, ScreenRect screen) {
    if (screen.Width <= 0 || screen.Height <= 0) return topLeft;
    auto fit = [](int pos, int extent, int start, int length) {
        pos = std::min(pos, start + length - extent);
        return std::max(pos, start);
    };
    return {fit(topLeft.X, size.X, screen.Left, screen.Width),
            fit(topLeft.Y, size.Y, screen.Top, screen.Height)};
}

}  // namespace Unit1
