// The entity lists are read from their lines on demand. What they give for
// the frozen corpus is recorded in tests/corpus/reader-digests.txt; a file
// read whole, line by line and without its inner CRs must give the same.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Tokenizer.h"
#include "MyFunc/Files.h"
#include "ReaderDigest.h"
#include "TestSupport.h"
#include "bench/HostFile.h"

using namespace t742test;

namespace {

// The file's digests, with whether it was read to its end first; the same
// bytes line by line and without inner CRs must read alike.
std::vector<std::string> ReadEveryWay(const std::string& bytes, const std::string& what) {
    TempDir t;
    t.Write("JWC_TEMP.TXT", bytes);
    JwwGaibu::InitHostState();
    std::vector<std::string> read{std::string("read ") +
                                  (JwwGaibu::ReadExchangeFile(t.File("JWC_TEMP.TXT")) ? "1" : "0")};
    const std::vector<std::string> digests = ReaderDigests();
    read.insert(read.end(), digests.begin(), digests.end());

    ParseLineByLine(bytes);
    EXPECT_EQ(ReaderDigests(), digests) << what << " (line by line)";
    t.Write("JWC_TEMP.TXT", WithoutInnerCrs(bytes));
    JwwGaibu::InitHostState();
    JwwGaibu::ReadExchangeFile(t.File("JWC_TEMP.TXT"));
    EXPECT_EQ(ReaderDigests(), digests) << what << " (without inner CRs)";
    JwwGaibu::ReleaseHostState();
    return read;
}

// Lines of every row kind with numbers that make points meet, odd numbers,
// quotes, "=", tabs, control bytes, double-byte characters and CRs. Part of
// the frozen corpus: the recorded digests hold for exactly the bytes it makes.
std::string RandomHostFile(uint32_t seed, int lines) {
    static const char* const kKeywords[] = {
        "",    "",    "",         "ci",  "ch",  "cv",      "cs",       "cr",  "co",
        "cp",  "ct",  "ck",       "cz",  "c2",  "pt",      "BL",       "sl",  "sl",
        "sl",  "sc",  "se",       "so",  "sg",  "hp1",     "hp2ln",    "hk",  "lc10",
        "lc3", "lgA", "ly5",      "cn0", "cn3", "cn$Font", "cc4",      "z1",  "z3",
        "pn4", "pl",  "msg",      "#",   "hcw", "hcc",     "hhp3",     "lw5", "lt2",
        "bz",  "hs",  "file=a b", "pl",  "msg", "c",       "\x82\xa0", "s\"l"};
    static const char* const kFields[] = {"0",
                                          "0",
                                          "1",
                                          "1e-11",
                                          "-0",
                                          "1.5",
                                          "12345.6789012345",
                                          "-7.25",
                                          "nan",
                                          "-inf",
                                          "abc",
                                          "+7",
                                          "0x1p3",
                                          "1e400",
                                          "5.",
                                          ".5",
                                          "1E-5",
                                          "\"a b\"",
                                          "x=y",
                                          "\x82\xa0\x82\xa2",
                                          "\x01",
                                          "\r",
                                          "\x82",
                                          "99999999999999999999",
                                          "0.1"};
    std::mt19937 rng(seed);
    auto pick = [&rng](auto& table) { return table[rng() % (sizeof table / sizeof table[0])]; };
    std::string out;
    for (int i = 0; i < lines; ++i) {
        std::string line = pick(kKeywords);
        const int n = static_cast<int>(rng() % 11);
        for (int j = 0; j < n; ++j) {
            if (!line.empty() || j > 0) line += rng() % 9 == 0 ? "\t" : rng() % 7 == 0 ? "  " : " ";
            line += pick(kFields);
        }
        if (rng() % 13 == 0) line += " ";
        out += line;
        out += rng() % 17 == 0 ? "\n" : rng() % 29 == 0 ? "\r\r\n" : "\r\n";
    }
    if (seed % 3 == 0) out.resize(out.size() - 2);  // no line end at the end
    return out;
}

}  // namespace

TEST(LazyReader, ListsReadAsRecorded) {
    // The corpus: its files, and random files made by the generator above,
    // which is frozen with it.
    std::map<std::string, std::string> corpus;
    for (const auto& entry :
         std::filesystem::directory_iterator(T742_SOURCE_DIR "/tests/corpus/exchange")) {
        ASSERT_TRUE(
            MyFunc::ReadFileBytes(entry.path().string(), corpus[entry.path().filename().string()]));
    }
    for (uint32_t seed = 1; seed <= 40; ++seed)
        corpus["random-" + std::to_string(seed)] = RandomHostFile(seed, 400);
    corpus["random-large"] = RandomHostFile(41, 30000);

    std::map<std::string, std::vector<std::string>> recorded;
    std::ifstream in(T742_SOURCE_DIR "/tests/corpus/reader-digests.txt");
    for (std::string line; std::getline(in, line);) {
        const size_t blank = line.find(' ');
        if (!line.empty() && line[0] != '#')
            recorded[line.substr(0, blank)].push_back(line.substr(blank + 1));
    }
    EXPECT_EQ(recorded.size(), corpus.size())
        << "a case without digests, or digests without a case";

    // T742_RECORD_DIGESTS=FILE writes what this reader gives, for a change
    // that is meant to alter what it reads.
    std::ostringstream table;
    table << "# CASE PART COUNT DIGEST: what the exchange reader gives for each case of\n"
             "# LazyReader.ListsReadAsRecorded (the files of exchange/, the random files)\n";
    for (const auto& [name, bytes] : corpus) {
        const std::vector<std::string> read = ReadEveryWay(bytes, name);
        for (const std::string& part : read) table << name << ' ' << part << '\n';
        EXPECT_EQ(read, recorded[name]) << name;
    }
    if (const char* path = std::getenv("T742_RECORD_DIGESTS")) {
        ASSERT_TRUE(MyFunc::WriteFileAtomic(path, table.str()));
    }

    // The benchmark's file, which is not frozen: read alike every way.
    ReadEveryWay(bench::HostFile(30000), "benchmark file");
}

TEST(LazyReader, LineShapeAgreesWithTheTokenizer) {
    // Field 1 and the count come from a fast scan wherever it says the line is
    // simple; they must be what tokenizing gives.
    JwwGaibu::Fields f;
    int simple = 0;
    for (uint32_t seed = 100; seed < 140; ++seed) {
        const std::string bytes = RandomHostFile(seed, 300);
        for (size_t from = 0; from < bytes.size();) {
            size_t lf = bytes.find('\n', from);
            if (lf == std::string::npos) lf = bytes.size();
            std::string_view line(bytes.data() + from, lf - from);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            const JwwGaibu::LineShape shape = JwwGaibu::ScanLine(line, line.size());
            size_t length = 0;
            const JwwGaibu::LineShape inFile = JwwGaibu::ScanBytes(
                bytes.data() + from, bytes.size() - from, bytes.size() - from, true, length);
            EXPECT_EQ(from + length, lf);
            EXPECT_EQ(inFile.Simple, shape.Simple) << line;
            if (shape.Simple) {
                ++simple;
                JwwGaibu::Tokenize(line, f);
                EXPECT_EQ(shape.Count, f.count) << line;
                EXPECT_EQ(shape.Keyword, f[1]) << line;
                EXPECT_EQ(inFile.Count, f.count) << line;
                EXPECT_EQ(inFile.Keyword, f[1]) << line;
            }
            from = lf + 1;
        }
    }
    EXPECT_GT(simple, 1000);  // the fast scan is actually exercised
    // 40 fields: the surplus is ignored.
    std::string many = "hs";
    for (int i = 0; i < 40; ++i) many += " 1";
    EXPECT_EQ(JwwGaibu::ScanLine(many, many.size()).Count, JwwGaibu::kMaxFields);
}

TEST(LazyReader, OffsetsBeyondFourGibibytesKeepTheirPlace) {
    // A source beyond 4 GiB turns the list to eight-byte offsets, keeping the
    // ones before.
    JwwGaibu::OffsetList offsets;
    const uint64_t values[] = {0, 7, UINT32_MAX, uint64_t{1} << 32, (uint64_t{5} << 32) + 3, 9};
    for (int i = 0; i < 5000; ++i) offsets.push_back(static_cast<uint64_t>(i));
    for (uint64_t v : values) offsets.push_back(v);
    ASSERT_EQ(offsets.size(), 5006u);
    EXPECT_EQ(offsets[4999], 4999u);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(offsets[5000 + i], values[i]);
}

TEST(LazyReader, EntityOrderCountsAcrossItsChunks) {
    // Past 65536 entities the types go on in a second chunk; every index is
    // still the count of the entities of its type before it.
    JwwGaibu::EntityOrderList order;
    std::mt19937 rng(5);
    std::vector<JwwGaibu::EntityRef> expected;
    int32_t counts[16] = {};
    for (int i = 0; i < 70000; ++i) {
        const auto type = static_cast<JwwGaibu::EntityType>(1 + rng() % 15);
        order.Append(type);
        expected.push_back({type, counts[type]++});
    }
    for (size_t i = 0; i < expected.size(); ++i) {
        const JwwGaibu::EntityRef r = order[i];
        ASSERT_TRUE(r.Type == expected[i].Type && r.Index == expected[i].Index) << i;
    }
}
