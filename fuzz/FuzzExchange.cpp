// The exchange-file reader on any bytes, then every construction on what it read.
#include <cstring>

#include "FuzzSupport.h"
#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = t742fuzz::Scratch() + "JWC_TEMP.TXT";
    t742fuzz::WriteFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    JwwGaibu::InitHostState();
    JwwGaibu::ReadExchangeFile(path);
    JwwGaibu::ResetOutputState();
    const double numbers[4] = {10, 5, 30, 300};
    t742fuzz::RunEveryConstruction(numbers);
    JwwGaibu::ReleaseHostState();
    return 0;
}
