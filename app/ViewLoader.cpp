#include "app/ViewLoader.h"

#include <dlfcn.h>

#include <cstdio>

#include "Unit1/ViewLibrary.h"

namespace app {

bool LazyViewPlatform::Load() {
    if (tried_) return view_ != nullptr;
    tried_ = true;
    // The library stays loaded until the program ends, used or not.
    void* lib = ::dlopen((folder_ + Unit1::kViewLibraryName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return false;
    // A library built for another interface (or before there was one) shares
    // no layout with this program: nothing of it is called, and the program
    // goes on as without a window.
    auto stamp =
        reinterpret_cast<Unit1::ViewInterfaceFn>(::dlsym(lib, Unit1::kViewInterfaceSymbol));
    if (stamp == nullptr || stamp() != Unit1::kViewInterfaceStamp) {
        // Said where one who runs the program by hand looks; the host shows no dialog either way.
        std::fputs(
            "t742: libt742view.so is from another build of t742 and is not used; install the "
            "program and the library of one build together.\n",
            stderr);
        return false;
    }
    auto create =
        reinterpret_cast<Unit1::CreatePlatformFn>(::dlsym(lib, Unit1::kCreatePlatformSymbol));
    if (create != nullptr) view_.reset(create(&Unit1::InvokeFormEvent));
    return view_ != nullptr;
}

bool LazyViewPlatform::Available() {
    return Load() && view_->Available();
}

}  // namespace app
