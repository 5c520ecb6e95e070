// The settings file on any bytes: loading never fails, saving then loading
// again gives the same file, and the constructions run on what was loaded.
#include "FuzzSupport.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "Unit1/Form.h"
#include "figures/Figure.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::string bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) std::abort();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = t742fuzz::Scratch() + "t742.dat";
    t742fuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    Unit1::TForm1 form;
    form.SettingsPath = path;
    form.LoadSettings();
    form.SaveSettings();
    const std::string first = ReadAll(path);
    Unit1::TForm1 again;
    again.SettingsPath = path;
    again.LoadSettings();
    again.SaveSettings();
    if (ReadAll(path) != first) std::abort();

    JwwGaibu::InitHostState();
    JwwGaibu::ResetOutputState();
    for (int mode = 1; mode <= 8; ++mode) {
        again.Mode = mode;
        again.DrawFigure(*figures::FindMode(mode), 2);
        again.DrawFigure(*figures::FindMode(mode), 6);
    }
    t742fuzz::CheckOutputLines();
    return 0;
}
