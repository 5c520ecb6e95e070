// The window library beside the program (libt742view.so) and what the program
// looks up in it. The library is built from these headers but is a file of its
// own: a stale copy beside a newer program must be refused, not called.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Unit1/Form.h"
#include "Unit1/Platform.h"

namespace Unit1 {

// Bump whenever what the program and the library share changes: FormPlatform,
// FormEvent, FormInvoke and the entry points below (Unit1/Platform.h), and the
// form the library reads and writes in place, TForm1 with its controls and the
// declared layout and the rules and mirror built on it (Unit1/Form.h,
// Controls.h, Layout.h, EditCombo.h, DialogRules.h, DialogMirror.h).
inline constexpr std::uint32_t kViewInterfaceVersion = 2;

// What both sides compare: the version, and TForm1's size as each was built
// with, so that a changed form is refused even if the bump was forgotten.
constexpr std::uint64_t ViewInterfaceStamp(std::uint32_t version, std::size_t formSize) {
    return std::uint64_t{version} << 32 | (formSize & 0xFFFFFFFFu);
}
inline constexpr std::uint64_t kViewInterfaceStamp =
    ViewInterfaceStamp(kViewInterfaceVersion, sizeof(TForm1));

inline constexpr const char* kViewLibraryName = "libt742view.so";
// uint64_t t742_ViewInterface(): the stamp the library was built with, asked
// before anything else of it is called.
inline constexpr const char* kViewInterfaceSymbol = "t742_ViewInterface";
using ViewInterfaceFn = std::uint64_t (*)();
// FormPlatform* t742_CreatePlatform(FormInvoke invoke).
inline constexpr const char* kCreatePlatformSymbol = "t742_CreatePlatform";
using CreatePlatformFn = FormPlatform* (*)(FormInvoke invoke);

}  // namespace Unit1
