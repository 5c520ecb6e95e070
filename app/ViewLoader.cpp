#include "app/ViewLoader.h"

#include <dlfcn.h>

namespace app {

bool LazyViewPlatform::Load() {
    if (tried_) return view_ != nullptr;
    tried_ = true;
    void* lib = ::dlopen((folder_ + Unit1::kViewLibraryName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return false;
    auto create =
        reinterpret_cast<Unit1::CreatePlatformFn>(::dlsym(lib, Unit1::kCreatePlatformSymbol));
    if (create != nullptr) view_.reset(create(&Unit1::InvokeFormEvent));
    // The library stays loaded until the program ends.
    return view_ != nullptr;
}

bool LazyViewPlatform::Available() {
    return Load() && view_->Available();
}

}  // namespace app
