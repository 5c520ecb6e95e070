// Damaged files and failing disks: every file the program reads survives bad
// bytes, and every file it writes is either complete or the previous one.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "MyFunc/Files.h"
#include "MyFunc/WriteFaults.h"
#include "ReaderDigest.h"
#include "TestSupport.h"
#include "Unit1/Form.h"
#include "Unit1/HeadlessPlatform.h"

using JwwGaibu::HostState;
using namespace t742test;
using Lines = std::vector<std::string>;

TEST(HostileInput, LoneCrAnywhereIsDropped) {
    const std::string line = "hp12ln 10.5 -20.25";
    for (size_t at = 0; at <= line.size(); ++at) {
        TempDir dir;
        dir.Write("x.txt", line.substr(0, at) + "\r" + line.substr(at) + "\r\n");
        JwwGaibu::InitHostState();
        ASSERT_TRUE(JwwGaibu::ReadExchangeFile(dir.File("x.txt")));
        const auto& p = HostState.PickedPoints[12];
        EXPECT_TRUE(p.IsSet && p.X == 10.5 && p.Y == -20.25 && p.Kind == 2) << at;
    }
}

TEST(HostileInput, TruncatedDoubleByteCharacters) {
    TempDir dir;
    // A lead byte at the end of a line and at the end of the file is dropped
    // and takes nothing of the next line with it.
    dir.Write("x.txt", "BL 1 2 name\x82\r\nhp1 3 4\r\nBL 5 6 end\x82");
    JwwGaibu::InitHostState();
    ASSERT_TRUE(JwwGaibu::ReadExchangeFile(dir.File("x.txt")));
    ASSERT_EQ(HostState.Blocks.size(), 2u);
    EXPECT_EQ(HostState.Blocks[0].Name, "name");
    EXPECT_EQ(HostState.Blocks[1].Name, "end");
    EXPECT_EQ(HostState.PickedPoints[1].Y, 4);
}

#ifndef _WIN32
TEST(HostileInput, ExchangeFileThatIsAPipe) {
    // Not a regular file: read into memory that grows as the bytes come.
    TempDir dir;
    std::string bytes = "hp1 1 2\r\n";
    for (int i = 0; i < 3000; ++i) bytes += "ci " + std::to_string(i) + " 2 3\r\n";
    dir.Write("JWC_TEMP.TXT", bytes);
    JwwGaibu::InitHostState();
    ASSERT_TRUE(JwwGaibu::ReadExchangeFile(dir.File("JWC_TEMP.TXT")));
    const std::vector<std::string> expected = ReaderDigests();

    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Opened for reading too, so that the bytes outlast the reader's first look
    // at the file; closed once it has read them, which ends its reading.
    const int fd = ::open(pipe.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    std::thread writer([fd, &bytes] {
        for (size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        int unread = 1;
        for (int i = 0; i < 10000 && unread > 0; ++i) {
            if (::ioctl(fd, FIONREAD, &unread) != 0) break;
            if (unread > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ::close(fd);
    });
    JwwGaibu::InitHostState();
    const bool read = JwwGaibu::ReadExchangeFile(pipe);
    writer.join();
    EXPECT_TRUE(read);
    EXPECT_EQ(ReaderDigests(), expected);
    JwwGaibu::ReleaseHostState();
}
#endif

TEST(HostileInput, HugeLinesAndFieldCounts) {
    Installed t;
    std::string bytes = "hp1 1 2\r\n" + std::string(50u << 20, '9') + "\r\n";
    std::string fields = "hp2";
    for (int i = 0; i < 100000; ++i) fields += " 3";
    bytes += fields + "\r\n";
    t.Write("JWC_TEMP.TXT", bytes);
    ASSERT_EQ(t.Run({"1", "1"}), 0);
    // Point 2 reads its two numbers from a line of 100001 fields.
    EXPECT_EQ(t.ExchangeLines(),
              (Lines{"lc1", "lw0", "se 1 2 2.23606797749979 1 0 0 6.28318530717959 100"}));
    EXPECT_EQ(SplitCrLf(t.Read("t742.dat"))[0], "3");
}

TEST(HostileInput, SettingsFilesOfAnyLength) {
    for (size_t count : {0u, 1u, 31u, 32u, 40u}) {
        TempDir dir;
        Lines lines(count, "2");
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";
        dir.Write("t742.dat", bytes);
        Unit1::TForm1 form;
        form.SettingsPath = dir.File("t742.dat");
        form.LoadSettings();
        EXPECT_EQ(form.RememberedFigure.LastPointX, count >= 1 ? 2 : 0) << count;
        EXPECT_EQ(form.RememberedFigure.LastArcAngle, count >= 32 ? 2 : 0) << count;
        // Lines beyond the end of an existing file read as empty, even for edits.
        EXPECT_EQ(form.EditB8.Text, count >= 23 ? "2" : "") << count;
        form.SaveSettings();
        EXPECT_EQ(SplitCrLf(dir.Read("t742.dat")).size(), 32u) << count;
    }
}

TEST(HostileInput, FailingWritesKeepTheListsAndSettings) {
    // OK writes t318.lst, t742.lst, then the settings; the exchange file at close.
    // Each write is four steps: create, write, close, rename.
    for (int step = 1; step <= 16; ++step) {
        TempDir dir;
        const std::string colours = "1\r\nC=1 F=0 S=0 W=\r\n", presets = "0\r\n",
                          settings = "5\r\n";
        dir.Write("t318.lst", colours);
        dir.Write("t742.lst", presets);
        dir.Write("t742.dat", settings);
        dir.Write("JWC_TEMP.TXT", "hp1 0 0\r\n");
        Unit1::HeadlessPlatform platform;
        platform.UserActions = [](Unit1::TForm1& f) {
            f.Button3Click();
            f.Button5Click();
            f.Button1Click();
        };
        Unit1::TForm1 form;
        form.Platform = &platform;
        MyFunc::SetWriteFailureStep(step);
        form.FormShow(dir.File("t742"), {"1", "6"});
        MyFunc::SetWriteFailureStep(0);
        const int failed = (step - 1) / 4;  // which write failed
        auto check = [&](const char* name, int index, const std::string& before, size_t lines) {
            if (failed == index)
                EXPECT_EQ(dir.Read(name), before) << name << " step " << step;
            else
                EXPECT_EQ(SplitCrLf(dir.Read(name)).size(), lines) << name << " step " << step;
        };
        check("t318.lst", 0, colours, 3);
        check("t742.lst", 1, presets, 2);
        check("t742.dat", 2, settings, 32);
        if (failed == 3)
            EXPECT_FALSE(dir.Exists("JWC_TEMP.TXT")) << step;
        else
            EXPECT_EQ(SplitCrLf(dir.Read("JWC_TEMP.TXT")).size(), 2u)
                << step;  // empty edits: no figure
        EXPECT_EQ(dir.Entries().size(), failed == 3 ? 3u : 4u)
            << "no temporary file, step " << step;
    }
}

TEST(HostileInput, WritesOfManyPiecesAreWhole) {
    // Files are written a mebibyte at a time.
    for (size_t size : {size_t{0}, size_t{1} << 20, (size_t{1} << 20) + 1, (size_t{3} << 20) + 5}) {
        TempDir dir;
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 251);
        ASSERT_TRUE(MyFunc::WriteFileAtomic(dir.File("big"), bytes)) << size;
        EXPECT_TRUE(dir.Read("big") == bytes) << size;
    }
}

TEST(HostileInput, SettingsIntoAFolderThatCannotBeWritten) {
    TempDir dir;
    Unit1::TForm1 form;
    form.SettingsPath = dir.File("missing/t742.dat");
    form.SaveSettings();  // no file, no temporary file, no failure
    EXPECT_TRUE(dir.Entries().empty());
}
