// Reading and writing image files on the real file system and on one that fails on request.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>

#include "files/image_file.h"
#include "support/files_fake_fs.h"
#include "support/files_temp_dir.h"
#include "toolkit/application.h"

using files::FileNameOf;
using files::LoadImageFile;
using files::SaveImageFile;
using files_test::FakeFileSystem;
using files_test::FilesTempDir;
using files_test::Pattern;
using files_test::ReadWholeFile;

namespace {

using Image = std::array<std::uint8_t, files::kFileImageSize>;

Image Filled(std::uint8_t value) {
  Image image;
  image.fill(value);
  return image;
}

files::FileSystem& native = files::NativeFileSystem();

}  // namespace

TEST(FilesFileName, TakesThePartAfterTheLastSeparator) {
  const struct {
    std::wstring path, name;
  } cases[] = {
      {L"C:\\data\\sub\\panel.SPD", L"panel.SPD"},
      {L"C:panel.SPD", L"panel.SPD"},
      {L"\\\\host\\share\\x:y", L"y"},
      {L"panel", L"panel"},
      {L"D:\\資料\\設定檔.SPD", L"設定檔.SPD"},
      {L"/tmp/sub/a.SPD", L"a.SPD"},
      {L"C:\\data\\", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileNameOf(c.path), c.name) << tk::Narrow(c.path);
}

TEST(FilesFileName, CaptionNamesTheFileAndAFailure) {
  EXPECT_EQ(files::FileCaption(files::kOpenPrefix, L"C:\\a\\b.SPD", true, files::kOpenFailed),
            L"Lumeth - b.SPD");
  EXPECT_EQ(files::FileCaption(files::kOverwritePrefix, L"C:\\a\\b.SPD", false, files::kSaveFailed),
            L"Kestrune - b.SPD (存檔失敗)");
}

TEST(FilesNative, LoadReplacesOnlyTheBytesTheFileHas) {
  FilesTempDir dir;
  for (const std::size_t size : {0u, 100u, 512u, 1000u}) {
    SCOPED_TRACE(size);
    const auto content = Pattern(size, 11);
    const std::string path = dir.Put("f" + std::to_string(size) + ".SPD", content);
    Image image = Filled(0xA5);
    ASSERT_TRUE(LoadImageFile(native, tk::Widen(path), image));
    const std::size_t taken = std::min<std::size_t>(size, 512);
    for (std::size_t i = 0; i < image.size(); ++i) {
      ASSERT_EQ(image[i], i < taken ? content[i] : 0xA5) << i;
    }
  }
}

TEST(FilesNative, SaveWritesExactly512BytesUnderTheGivenName) {
  FilesTempDir dir;
  const Image image = [] {
    Image i;
    const auto p = Pattern(i.size(), 3);
    std::copy(p.begin(), p.end(), i.begin());
    return i;
  }();
  // A new name, one without extension, and files of 100 and 1000 bytes being replaced.
  const struct {
    std::string name;
    std::size_t existing;
  } cases[] = {{"new.SPD", 0}, {"noext", 0}, {"short.SPD", 100}, {"long.SPD", 1000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path =
        c.existing ? dir.Put(c.name, Pattern(c.existing, 99)) : dir.Path(c.name);
    ASSERT_TRUE(SaveImageFile(native, tk::Widen(path), image));
    EXPECT_EQ(ReadWholeFile(path), std::vector<std::uint8_t>(image.begin(), image.end()));
  }
  // Nothing but the four files: no scratch file stays behind, no extension was added.
  auto names = dir.Names();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"long.SPD", "new.SPD", "noext", "short.SPD"}));
}

TEST(FilesNative, ReplacingKeepsTheFilesPermissions) {
  FilesTempDir dir;
  const std::string path = dir.Put("kept.SPD", Pattern(100, 1));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(SaveImageFile(native, tk::Widen(path), Filled(7)));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(FilesNative, LongAndChinesePathsWork) {
  FilesTempDir dir;
  const std::string chinese = dir.Path("資料夾/設定檔.SPD");
  // 200 characters in all, folders included.
  std::string long_path = dir.Path(std::string(100, 'd') + "/");
  long_path += std::string(200 - long_path.size() - 4, 'n') + ".SPD";
  ASSERT_EQ(long_path.size(), 200u);
  for (const std::string& path : {chinese, long_path}) {
    SCOPED_TRACE(path);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(SaveImageFile(native, tk::Widen(path), Filled(0x42)));
    EXPECT_EQ(native.Probe(tk::Widen(path)), files::PathKind::File);
    Image image = Filled(0);
    ASSERT_TRUE(LoadImageFile(native, tk::Widen(path), image));
    EXPECT_EQ(image, Filled(0x42));
  }
}

TEST(FilesNative, FailuresLeaveImageAndFilesAlone) {
  FilesTempDir dir;
  const auto old = Pattern(300, 5);
  const std::string locked = dir.Put("locked.SPD", old);
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  std::filesystem::create_directory(dir.Path("folder.SPD"));

  Image image = Filled(0x5A);
  EXPECT_FALSE(LoadImageFile(native, tk::Widen(dir.Path("missing.SPD")), image));
  EXPECT_FALSE(LoadImageFile(native, tk::Widen(dir.Path("folder.SPD")), image));
  EXPECT_EQ(image, Filled(0x5A));

  EXPECT_FALSE(SaveImageFile(native, tk::Widen(locked), image));
  EXPECT_FALSE(SaveImageFile(native, tk::Widen(dir.Path("folder.SPD")), image));
  EXPECT_FALSE(SaveImageFile(native, tk::Widen(dir.Path("no/such/folder.SPD")), image));
  EXPECT_EQ(ReadWholeFile(locked), old);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("folder.SPD")));
  EXPECT_EQ(dir.Names().size(), 2u);
}

TEST(FilesNative, ExistenceDoesNotDependOnReading) {
  FilesTempDir dir;
  std::filesystem::create_directory(dir.Path("folder"));
  const std::string file = dir.Put("f.SPD", {});
  EXPECT_EQ(native.Probe(tk::Widen(file)), files::PathKind::File);
  EXPECT_EQ(native.Probe(tk::Widen(dir.Path("folder"))), files::PathKind::Other);
  EXPECT_EQ(native.Probe(tk::Widen(dir.Path("nothing"))), files::PathKind::Missing);
  EXPECT_EQ(native.Probe(tk::Widen(dir.Path("f.SPD/below"))), files::PathKind::Missing);
}

TEST(FilesFake, AFailedStepNeverTouchesTheOldFile) {
  const std::wstring target = L"C:\\spd\\old.SPD";
  const auto old = Pattern(1000, 8);
  const struct {
    const char* what;
    void (*arrange)(FakeFileSystem&);
    bool scratch_removed;
  } cases[] = {
      {"disk full or folder closed", [](FakeFileSystem& fs) { fs.scratch_fails = true; }, false},
      {"target locked", [](FakeFileSystem& fs) { fs.replace_fails = true; }, true},
      {"target read-only", [](FakeFileSystem& fs) { fs.read_only.insert(L"C:\\spd\\old.SPD"); },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeFileSystem fs;
    fs.files[target] = old;
    c.arrange(fs);
    EXPECT_FALSE(SaveImageFile(fs, target, Filled(1)));
    EXPECT_EQ(fs.files.at(target), old);
    EXPECT_EQ(fs.files.size(), 1u);  // no scratch file left either
    EXPECT_EQ(fs.removed.size(), c.scratch_removed ? 1u : 0u);
  }
}

TEST(FilesFake, AnUnreadableFileLoadsNothing) {
  FakeFileSystem fs;
  fs.files[L"a.SPD"] = Pattern(512, 2);
  fs.unreadable.insert(L"a.SPD");
  Image image = Filled(9);
  EXPECT_FALSE(LoadImageFile(fs, L"a.SPD", image));
  EXPECT_EQ(image, Filled(9));
}
