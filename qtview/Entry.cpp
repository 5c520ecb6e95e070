// The one symbol t742 looks up in libt742view.so.
#include "qtview/QtPlatform.h"

extern "C" __attribute__((visibility("default"))) Unit1::FormPlatform* t742_CreatePlatform(
    Unit1::FormInvoke invoke) {
    return new qtview::QtPlatform(invoke);
}
