// Prints the dialog's declared layout, one control a line, for the tests that
// drive the real windows:  NAME PAGE X Y WIDTH HEIGHT  (client area pixels),
// then the client area's size, the list rows' height, as "Title TEXT" the
// window's title (code page 932), and as "Setting LINE NAME" what each line
// of the settings file t742.dat holds, so that a test can name a setting
// rather than count lines.
#include <cstdio>

#include "Unit1/Layout.h"
#include "Unit1/SettingsFile.h"

int main() {
    for (const Unit1::ControlLayout& c : Unit1::kForm1Layout) {
        const Unit1::ClientRect r = Unit1::PlaceOf(c);
        std::printf("%s %d %d %d %d %d\n", c.Name, c.Page, r.X, r.Y, r.W, r.H);
    }
    std::printf("ClientArea -1 0 0 %d %d\n", Unit1::kClientWidth, Unit1::kClientHeight);
    std::printf("RowHeight -1 0 0 0 %d\n", Unit1::kListRowHeight);
    std::printf("Title %s\n", Unit1::kFormCaption);
    int line = 0;
    for (const std::string& name : Unit1::SettingsLineNames())
        std::printf("Setting %d %s\n", ++line, name.c_str());
    return 0;
}
