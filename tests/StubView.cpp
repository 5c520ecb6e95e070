// A stand-in for libt742view.so that answers only which interface it was
// built for: the program's own, or a stale one. Any call past that question
// ends the run with STUB_CALLED_STATUS, for the test to see.
#include <cstdint>
#include <cstdlib>

#include "Unit1/ViewLibrary.h"

#ifndef STUB_VERSION_STEP
#define STUB_VERSION_STEP 0
#endif
#ifndef STUB_SIZE_STEP
#define STUB_SIZE_STEP 0
#endif

#ifndef STUB_UNVERSIONED
extern "C" __attribute__((visibility("default"))) std::uint64_t t742_ViewInterface() {
    return Unit1::ViewInterfaceStamp(Unit1::kViewInterfaceVersion + STUB_VERSION_STEP,
                                     sizeof(Unit1::TForm1) + STUB_SIZE_STEP);
}
#endif

extern "C" __attribute__((visibility("default"))) Unit1::FormPlatform* t742_CreatePlatform(
    Unit1::FormInvoke) {
    std::_Exit(STUB_CALLED_STATUS);
}
