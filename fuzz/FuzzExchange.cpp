// The exchange-file reader on any bytes: the file read whole, line by line
// and without its inner CRs gives the same lists, every element the same by
// index as through the iterator and in any order, and EntityOrder counts them
// alike; then every construction runs on what it read.
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "ReaderDigest.h"

namespace {

void Expect(const std::vector<std::string>& got, const std::vector<std::string>& want,
            const char* how) {
    if (got == want) return;
    for (size_t i = 0; i < got.size() || i < want.size(); ++i)
        std::fprintf(stderr, "%-48s %s\n", i < got.size() ? got[i].c_str() : "",
                     i < want.size() ? want[i].c_str() : "");
    std::fprintf(stderr, "the lists read %s (left) differ from the file's (right)\n", how);
    std::abort();
}

void ExpectConsistent(const std::vector<std::string>& digests) {
    for (const std::string& d : digests)
        if (d[0] == '!') std::fprintf(stderr, "%s\n", d.c_str()), std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = t742fuzz::Scratch() + "JWC_TEMP.TXT";

    t742fuzz::WriteFile(path, t742test::WithoutInnerCrs(bytes));
    JwwGaibu::InitHostState();
    if (!JwwGaibu::ReadExchangeFile(path)) std::abort();
    const std::vector<std::string> withoutCrs = t742test::ReaderDigests();
    t742test::ParseLineByLine(bytes);
    const std::vector<std::string> byLine = t742test::ReaderDigests();

    t742fuzz::WriteFile(path, bytes);
    JwwGaibu::InitHostState();
    if (!JwwGaibu::ReadExchangeFile(path)) std::abort();
    const std::vector<std::string> whole = t742test::ReaderDigests();
    ExpectConsistent(whole);
    Expect(byLine, whole, "line by line");
    Expect(withoutCrs, whole, "without inner CRs");

    JwwGaibu::ResetOutputState();
    const double numbers[4] = {10, 5, 30, 300};
    t742fuzz::RunEveryConstruction(numbers);
    JwwGaibu::ReleaseHostState();
    return 0;
}
