// The program's own resources as stored: version block, string, icon groups
// and the animation clip.
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> ResourceBytes(LPCSTR type, int id) {
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (!resource)
        return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    return std::vector<BYTE>(data, data + SizeofResource(nullptr, resource));
}

template <typename T> T Read(const std::vector<BYTE>& bytes, size_t offset) {
    T value{};
    if (offset + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST(Resources, VersionBlock) {
    // Read as the shell reads it: the ANSI queries need the room that
    // GetFileVersionInfo sets aside.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const DWORD size = GetFileVersionInfoSizeA(path, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(4, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(4, 0));
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    const struct {
        const char* key;
        const char* value;
    } strings[] = {
        {"Comments", "Reworked to allow starting a program after updating in silent mode Use -h "
                     "or -help on the command line for more info"},
        {"FileDescription", "Kestrup MFC Application"},
        {"FileVersion", "2, 0, 0, 4"},
        {"InternalName", "Kestrup2"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Kestrup2.EXE"},
        {"PrivateBuild", ""},
        {"ProductName", "Kestrup2 Application"},
        {"ProductVersion", "Release 2.4"},
        {"SpecialBuild", ""},
    };
    for (const auto& s : strings) {
        char* value = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904b0\\") + s.key;
        ASSERT_TRUE(
            VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << s.key;
        EXPECT_EQ(std::string(value), s.value) << s.key;
    }
}

TEST(Resources, AboutItemString) {
    char text[64] = {};
    EXPECT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text), 0);
    EXPECT_STREQ(text, "&About Kestrup...");
}

TEST(Resources, IconGroupsHold32And16PixelImagesOf16Colours) {
    for (int id : {IDR_MAINFRAME, IDI_UPDATE}) {
        const std::vector<BYTE> group = ResourceBytes(MAKEINTRESOURCEA(14), id); // RT_GROUP_ICON
        ASSERT_GE(group.size(), 6u) << id;
        const WORD count = Read<WORD>(group, 4);
        ASSERT_EQ(count, 2) << id;
        std::vector<int> sizes;
        for (WORD i = 0; i < count; ++i) {
            const size_t entry = 6 + i * 14u;
            sizes.push_back(Read<BYTE>(group, entry));
            EXPECT_EQ(Read<BYTE>(group, entry), Read<BYTE>(group, entry + 1)) << id;
            EXPECT_EQ(Read<WORD>(group, entry + 6), 4) << id << ": bits per pixel";
        }
        std::sort(sizes.begin(), sizes.end());
        EXPECT_EQ(sizes, std::vector<int>({16, 32})) << id;
    }
}

TEST(Resources, AnimationClipIs200By50WithTwoFramesAtFivePerSecond) {
    const std::vector<BYTE> clip = ResourceBytes("AVI", IDR_UPDATE_CLIP);
    ASSERT_GT(clip.size(), 64u);
    EXPECT_EQ(std::memcmp(clip.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(clip.data() + 8, "AVI ", 4), 0);
    // The main header follows "LIST", its size, "hdrl", "avih" and the header's size.
    const size_t avih = 12 + 12 + 8;
    ASSERT_EQ(std::memcmp(clip.data() + avih - 8, "avih", 4), 0);
    EXPECT_EQ(Read<DWORD>(clip, avih + 0), 200000u); // microseconds per frame
    EXPECT_EQ(Read<DWORD>(clip, avih + 16), 2u);     // frames
    EXPECT_EQ(Read<DWORD>(clip, avih + 24), 1u);     // streams: video alone, no sound
    EXPECT_EQ(Read<DWORD>(clip, avih + 32), 200u);
    EXPECT_EQ(Read<DWORD>(clip, avih + 36), 50u);
}

} // namespace
