// The exchange-file reader on any bytes, checked against the oracle reader
// that fills every record at once, then every construction on what it read.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FuzzSupport.h"
#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "oracle/CompareLists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = t742fuzz::Scratch() + "JWC_TEMP.TXT";
    t742fuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    JwwGaibu::InitHostState();
    JwwGaibu::ReadExchangeFile(path);
    t742oracle::EagerState eager = t742oracle::FreshEagerState();
    t742oracle::EagerReadFile(path, eager);
    if (const std::string d = t742oracle::DifferenceFromHostState(eager); !d.empty()) {
        std::fprintf(stderr, "the lists differ from the eager reading: %s\n", d.c_str());
        std::abort();
    }
    JwwGaibu::ResetOutputState();
    const double numbers[4] = {10, 5, 30, 300};
    t742fuzz::RunEveryConstruction(numbers);
    JwwGaibu::ReleaseHostState();
    return 0;
}
