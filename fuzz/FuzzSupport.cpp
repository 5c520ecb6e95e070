#include "FuzzSupport.h"

#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "Unit1/Form.h"
#include "figures/Figure.h"

namespace t742fuzz {

void CheckOutputLines() {
    for (const std::string& line : JwwGaibu::HostState.OutputLines) {
        if (line.size() > 255) std::abort();
        const std::string_view k = std::string_view(line).substr(0, 3);
        const bool attribute = line.rfind("lc", 0) == 0 || line.rfind("lw", 0) == 0;
        if (!attribute && k != "se " && k != "sc " && k != "so " && k != "sg ") std::abort();
        for (char c : line)
            if (!((c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '-' || c == 'E' ||
                  c == 'l' || c == 'c' || c == 'w' || c == 's' || c == 'e' || c == 'o' || c == 'g'))
                std::abort();
    }
}

void RunEveryConstruction(const double numbers[4]) {
    Unit1::TForm1 form;
    for (int mode = 1; mode <= 8; ++mode) {
        form.Mode = mode;
        form.ModeOption = mode & 1;
        const figures::ModeSpec& modeSpec = *figures::FindMode(mode);
        for (int step = 1; step <= 6; ++step)
            form.DrawFigure(modeSpec, step, {numbers[0], numbers[1], numbers[2], numbers[3]});
    }
    CheckOutputLines();
}

}  // namespace t742fuzz
