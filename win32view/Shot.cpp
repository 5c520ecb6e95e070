// Renders the Win32 dialog's four pages to PNG files, for the README (run it
// under a display):   t742shot.exe OUT-FOLDER
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Unit1/DialogSample.h"
#include "Unit1/Form.h"
#include "win32view/Win32Platform.h"

namespace {

uint32_t Crc(const unsigned char* p, size_t n, uint32_t crc = 0xFFFFFFFFu) {
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc;
}

void Be32(std::string& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<char>((v >> s) & 0xFF));
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    Be32(png, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    png += body;
    Be32(png, Crc(reinterpret_cast<const unsigned char*>(body.data()), body.size()) ^ 0xFFFFFFFFu);
}

// A PNG of RGB rows, with the image data in stored (uncompressed) deflate blocks.
std::string Png(int w, int h, const std::vector<unsigned char>& rgb) {
    std::string raw;
    for (int y = 0; y < h; ++y) {
        raw.push_back('\0');
        raw.append(reinterpret_cast<const char*>(&rgb[static_cast<size_t>(y) * w * 3]),
                   static_cast<size_t>(w) * 3);
    }
    std::string z = "\x78\x01";
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) a = (a + c) % 65521, b = (b + a) % 65521;
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        z.push_back(pos + n >= raw.size() ? '\1' : '\0');
        z.push_back(static_cast<char>(n & 0xFF)), z.push_back(static_cast<char>(n >> 8));
        z.push_back(static_cast<char>(~n & 0xFF)), z.push_back(static_cast<char>((~n >> 8) & 0xFF));
        z.append(raw, pos, n);
        pos += n;
        if (n == 0) break;
    }
    Be32(z, (b << 16) | a);
    std::string header;
    Be32(header, static_cast<uint32_t>(w)), Be32(header, static_cast<uint32_t>(h));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    std::string png = "\x89PNG\r\n\x1a\n";
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", "");
    return png;
}

void Pump() {
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(20);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: t742shot OUT-FOLDER\n");
        return 2;
    }
    Unit1::TForm1 form;
    Unit1::PrepareDialogSample(form);
    win32view::Win32Platform view(&Unit1::InvokeFormEvent);
    HWND hwnd = view.Create(form, 0, 0);
    if (hwnd == nullptr) {
        std::fprintf(stderr, "t742shot: no display\n");
        return 1;
    }
    ::ShowWindow(hwnd, SW_SHOW);
    for (int page = 0; page < 4; ++page) {
        view.SelectPage(page);
        ::RedrawWindow(hwnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        const int w = rc.right, h = rc.bottom;
        HDC screen = ::GetDC(hwnd);
        HDC mem = ::CreateCompatibleDC(screen);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP dib = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(mem, dib);
        ::BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
        ::GdiFlush();
        const int stride = (w * 3 + 3) & ~3;
        std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const unsigned char* p = static_cast<unsigned char*>(bits) + y * stride + x * 3;
                unsigned char* q = &rgb[(static_cast<size_t>(y) * w + x) * 3];
                q[0] = p[2], q[1] = p[1], q[2] = p[0];
            }
        ::SelectObject(mem, old);
        ::DeleteObject(dib);
        ::DeleteDC(mem);
        ::ReleaseDC(hwnd, screen);
        const std::string path =
            std::string(argv[1]) + "/win32-dialog-page" + std::to_string(page + 1) + ".png";
        FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) return 1;
        const std::string png = Png(w, h, rgb);
        std::fwrite(png.data(), 1, png.size(), f);
        std::fclose(f);
    }
    return 0;
}
