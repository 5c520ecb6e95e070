// The command line on any arguments (split at NUL bytes), then the run it asks for.
#include <vector>

#include "FuzzSupport.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "Unit1/Form.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() <= 10; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    if (size == 0) args.clear();
    Unit1::TForm1 form;
    form.ParseCommandLine(args);
    if (form.Mode < 0 || form.Mode > 8) std::abort();
    if (form.Mode == 0 && (form.Step != 0 || form.ModeOption != 0)) std::abort();
    if (!form.ShowDialog && (form.Step < 1 || form.Step > 5)) std::abort();
    JwwGaibu::InitHostState();
    JwwGaibu::ResetOutputState();
    JwwGaibu::HostState.PickedPoints[1].X = 1;
    JwwGaibu::HostState.PickedPoints[2].Y = 2;
    for (int step = 1; step <= 5; ++step) form.RunConstruction(step);
    t742fuzz::CheckOutputLines();
    return 0;
}
