// The window library beside t742 is asked which interface it was built for
// before anything of it is called. One built for another is not used: a dialog
// start then leaves exactly the files a start without any library leaves.
#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"

using namespace t742test;

namespace {

const char* const kExchange = "hk 0\r\nhp1 10 20\r\n";

struct Outcome {
    int Status = -1;
    std::map<std::string, std::string> Files;  // all but the program and the library
};

Outcome DialogStart(const char* library) {
    Installed t;
    t.Write("JWC_TEMP.TXT", kExchange);
    t.Write("t742.dat", "3\r\n");
    if (library != nullptr) t.CopyIn(library, "libt742view.so");
    Outcome o;
    o.Status = t.Run({"1", "6"});
    for (const std::string& name : t.Entries())
        if (name != kProgramName && name != "libt742view.so") o.Files[name] = t.Read(name);
    return o;
}

}  // namespace

TEST(ViewLibrary, OneBuiltForAnotherInterfaceIsNotCalled) {
    const Outcome none = DialogStart(nullptr);
    ASSERT_EQ(none.Status, 0);
    // Two arguments: the close box still replaces the exchange file.
    ASSERT_NE(none.Files.at("JWC_TEMP.TXT"), kExchange);

    // The library built for this program is called: the stand-ins are found.
    EXPECT_EQ(DialogStart(T742_STUB_VIEW_CURRENT).Status, T742_STUB_VIEW_CALLED);
    for (const char* stale :
         {T742_STUB_VIEW_NEWER, T742_STUB_VIEW_RESIZED, T742_STUB_VIEW_UNVERSIONED}) {
        const Outcome o = DialogStart(stale);
        EXPECT_EQ(o.Status, 0) << stale;
        EXPECT_EQ(o.Files, none.Files) << stale;
    }
}
