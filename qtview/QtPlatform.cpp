#include "qtview/QtPlatform.h"

#include <xcb/xcb.h>

#include <QColorDialog>
#include <QCursor>
#include <QScreen>
#include <cstdlib>
#include <cstring>

#include "qtview/Cp932.h"
#include "qtview/Form1Window.h"
#include "qtview/FrameExtents.h"

namespace qtview {

DisplayProbe::DisplayProbe() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string name = platform != nullptr ? platform : "";
    if (name.rfind("wayland", 0) == 0) {
        const char* w = std::getenv("WAYLAND_DISPLAY");
        reachable_ = w != nullptr && *w != '\0';
        return;
    }
    if (!name.empty() && name.rfind("xcb", 0) != 0) {  // offscreen, vnc, ...
        reachable_ = true;
        return;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return;
    connection_ = xcb_connect(nullptr, nullptr);
    reachable_ = xcb_connection_has_error(connection_) == 0;
}

DisplayProbe::~DisplayProbe() {
    if (connection_ != nullptr) xcb_disconnect(connection_);
}

QtPlatform::~QtPlatform() = default;

bool QtPlatform::Available() {
    if (app_) return true;
    const DisplayProbe probe;
    if (!probe.Reachable()) return false;
    // The dialog is laid out in pixels of a 96 dpi screen; Qt scales them
    // (and the font) by the screen's scale, QT_SCALE_FACTOR included.
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setApplicationName(FromCp932(Unit1::kApplicationTitle));
    return true;
}

Unit1::ScreenPoint QtPlatform::CursorPos() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

Unit1::ScreenPoint QtPlatform::WindowSize() {
    // The whole window is centred: the client area and the frame around it.
    // The frame is measured in the screen's pixels, the window in Qt's.
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const qreal scale = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    const Frame f =
        FrameExtents(qRound(Unit1::kClientWidth * scale), qRound(Unit1::kClientHeight * scale));
    return {Unit1::kClientWidth + qRound((f.Left + f.Right) / scale),
            Unit1::kClientHeight + qRound((f.Top + f.Bottom) / scale)};
}

Unit1::ScreenRect QtPlatform::ScreenAt(Unit1::ScreenPoint point) {
    QScreen* screen = QGuiApplication::screenAt(QPoint(point.X, point.Y));
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtPlatform::ShowAt(Unit1::TForm1& form, int left, int top) {
    Form1Window window(form, invoke_);
    window_ = &window;
    window.Push();
    window.move(left, top);
    window.FocusFirst();
    window.exec();
    window_ = nullptr;
}

bool QtPlatform::PickColor(int initial, int& chosen) {
    const QColor c = QColorDialog::getColor(
        QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF), window_);
    if (!c.isValid()) return false;
    chosen = c.red() | (c.green() << 8) | (c.blue() << 16);
    return true;
}

void QtPlatform::Close() {
    if (window_ != nullptr) window_->CloseForForm();
}

}  // namespace qtview
