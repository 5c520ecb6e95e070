// A test's Japanese, written in UTF-8, as the code page 932 bytes t742 and the
// host use (the Linux tests only: the converter is iconv).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "cp932iconv/Cp932Iconv.h"

namespace t742test {

inline std::string Cp932(const std::string& utf8) {
    std::string out;
    EXPECT_TRUE(cp932iconv::Utf8ToCp932(utf8, out)) << utf8;
    return out;
}

}  // namespace t742test
