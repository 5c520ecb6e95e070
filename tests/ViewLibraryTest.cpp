// The window library beside t742 is asked which interface it was built for
// before anything of it is called. One built for another is not used: a dialog
// start then leaves exactly the files a start without any library leaves.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "TestSupport.h"

using namespace t742test;

namespace {

const char* const kExchange = "hk 0\r\nhp1 10 20\r\n";

struct Outcome {
    int Status = -1;
    std::map<std::string, std::string> Files;  // all but the program and the library
    std::string Errors;                        // what it wrote to its standard error
};

Outcome DialogStart(const char* library) {
    Installed t;
    t.Write("JWC_TEMP.TXT", kExchange);
    t.Write("t742.dat", "3\r\n");
    if (library != nullptr) t.CopyIn(library, "libt742view.so");
    Outcome o;
    // The program inherits this process's standard error: a file for the run.
    const TempDir errors;
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int file = ::open(errors.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    o.Status = t.Run({"1", "6"});
    ::dup2(saved, 2);
    ::close(file);
    ::close(saved);
    o.Errors = errors.Read("stderr");
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
        // Not silently: one who runs it by hand is told why no dialog came.
        EXPECT_NE(o.Errors.find("libt742view.so is from another build"), std::string::npos)
            << stale;
    }
    EXPECT_EQ(none.Errors, "");
}
