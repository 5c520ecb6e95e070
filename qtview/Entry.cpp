// The two symbols t742 looks up in libt742view.so, the stamp asked first.
#include <cstdint>

#include "Unit1/ViewLibrary.h"
#include "qtview/QtPlatform.h"

extern "C" __attribute__((visibility("default"))) std::uint64_t t742_ViewInterface() {
    return Unit1::kViewInterfaceStamp;
}

extern "C" __attribute__((visibility("default"))) Unit1::FormPlatform* t742_CreatePlatform(
    Unit1::FormInvoke invoke) {
    return new qtview::QtPlatform(invoke);
}
