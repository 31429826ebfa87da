// The open and save buttons and the overwrite dialog, on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "files/image_file.h"
#include "files/open_save.h"
#include "files/unit2.h"
#include "image/codec.h"
#include "support/files_fake_fs.h"
#include "support/files_temp_dir.h"
#include "support/form_fixture.h"

using files_test::FakeFileSystem;
using files_test::FilesTempDir;
using files_test::Pattern;
using files_test::ReadWholeFile;
using tk::headless::AnswerDialog;
using tk::headless::Type;

namespace {

std::wstring W(const std::string& utf8) {
  return tk::Widen(utf8);
}

enum class Answer { Confirm, Cancel, CloseBox };

constexpr wchar_t kQuestion[] = L"檔案已經存在,您要覆蓋它嗎?";

class FilesHandlers : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form2 = std::make_unique<TForm2>(harness.app, *form);
    form->Form2 = form2.get();
    for (int i = 0; i < kImageStore; ++i) form->SpdImage[i] = static_cast<std::uint8_t>(i * 5 + 1);
  }

  void Open(const std::optional<std::string>& path) {
    AnswerDialog(*form->OpenDialog1, path ? std::optional(W(*path)) : std::nullopt);
    form->SpeedButtonOpen->Click();
  }

  // The answer is what the operator does in Form2, should it be shown.
  void Save(const std::optional<std::string>& path, Answer answer = Answer::CloseBox) {
    AnswerDialog(*form->SaveDialog1, path ? std::optional(W(*path)) : std::nullopt);
    if (answer != Answer::CloseBox) {
      harness.app.Post([this, answer] {
        (answer == Answer::Confirm ? form2->Button1 : form2->Button2)->Click();
      });
    }
    form->SpeedButtonSave->Click();
  }

  std::vector<std::uint8_t> ImageBytes() const {
    return {form->SpdImage.begin(), form->SpdImage.begin() + kImageSize};
  }

  void ExpectCellsShowImage() const {
    for (int i = 0; i < kCellCount; ++i) {
      ASSERT_EQ(form->CellEdits[i]->Text(), CellTextFromByte(form->SpdImage[i], true)) << i;
    }
    const int baud = form->SpdImage[288];
    EXPECT_EQ(form->ComboBox13->ItemIndex(), baud < 5 ? baud : -1);
  }

  FilesTempDir dir;
  std::unique_ptr<TForm2> form2;
};

}  // namespace

TEST_F(FilesHandlers, OpenTakesAtMost512BytesAndShowsThem) {
  for (const std::size_t size : {0u, 100u, 512u, 1000u}) {
    SCOPED_TRACE(size);
    auto content = Pattern(size, static_cast<int>(size));
    if (size > 288) content[288] = 3;  // a baud rate the combo box can show
    const std::string name = "f" + std::to_string(size) + ".SPD";
    const auto before = form->SpdImage;
    Open(dir.Put(name, content));
    for (int i = 0; i < kImageStore; ++i) {
      const bool from_file = i < static_cast<int>(std::min<std::size_t>(size, kImageSize));
      ASSERT_EQ(form->SpdImage[i], from_file ? content[i] : before[i]) << i;
    }
    EXPECT_EQ(form->Caption(), L"Lumeth - " + W(name));
    ExpectCellsShowImage();
  }
}

TEST_F(FilesHandlers, BytesBeyondTheEditorsPassFromOpenedToSavedFile) {
  const auto source = Pattern(kImageSize, 77);
  Open(dir.Put("source.SPD", source));
  tk::headless::PickTab(*form->TabControl1, 1);
  tk::headless::MovePointer(*form, 500, 50);  // collects the editors into the image
  Save(dir.Path("copy.SPD"));
  const auto saved = ReadWholeFile(dir.Path("copy.SPD"));
  ASSERT_EQ(saved.size(), 512u);
  EXPECT_EQ(saved, ImageBytes());
  for (int i = 256; i < kImageSize; ++i) {
    if (i == 288) continue;
    ASSERT_EQ(saved[i], source[i]) << i;
  }
}

TEST_F(FilesHandlers, SaveToANewNameWritesTheImageAsTyped) {
  for (const std::string name : {"new.SPD", "noext", "sub/deeper/in.SPD"}) {
    SCOPED_TRACE(name);
    std::filesystem::create_directories(std::filesystem::path(dir.Path(name)).parent_path());
    form->SpdImage[0] = static_cast<std::uint8_t>(name.size());
    Save(dir.Path(name));
    EXPECT_EQ(ReadWholeFile(dir.Path(name)), ImageBytes());
    EXPECT_EQ(form->Caption(), L"Lumeth - " + W(std::filesystem::path(name).filename()));
    EXPECT_FALSE(form2->Visible());
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path("noext.SPD")));
}

TEST_F(FilesHandlers, AnExistingFileIsReplacedOnlyOnConfirmation) {
  const struct {
    std::size_t existing;
    Answer answer;
  } cases[] = {{100, Answer::Confirm}, {1000, Answer::Confirm}, {100, Answer::Cancel},
               {1000, Answer::Cancel}, {100, Answer::CloseBox}, {1000, Answer::CloseBox}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.existing << " answer " << static_cast<int>(c.answer));
    const std::string name = "old" + std::to_string(c.existing) + ".SPD";
    const auto old = Pattern(c.existing, 200);
    const std::string path = dir.Put("sub/" + name, old);
    form->SetCaption(L"before");
    Save(path, c.answer);
    EXPECT_EQ(form2->Label1->Caption(), W(name));
    EXPECT_EQ(form2->Label2->Caption(), kQuestion);
    EXPECT_FALSE(form2->Visible());
    if (c.answer == Answer::Confirm) {
      EXPECT_EQ(ReadWholeFile(path), ImageBytes());
      EXPECT_EQ(form->Caption(), L"Kestrune - " + W(name));
    } else {
      EXPECT_EQ(ReadWholeFile(path), old);
      EXPECT_EQ(form->Caption(), L"before");
    }
  }
}

TEST_F(FilesHandlers, ANewNameAfterAnOverwriteGetsTheOpenPrefixAgain) {
  Save(dir.Put("a.SPD", Pattern(10, 1)), Answer::Confirm);
  EXPECT_EQ(form->Caption(), L"Kestrune - a.SPD");
  Save(dir.Path("b.SPD"));
  EXPECT_EQ(form->Caption(), L"Lumeth - b.SPD");
}

TEST_F(FilesHandlers, CancellingEitherDialogChangesNothing) {
  const std::string path = dir.Put("kept.SPD", Pattern(512, 9));
  Type(*form->CellEdits[3], "7E");
  const auto image = form->SpdImage;
  Open(std::nullopt);
  Save(std::nullopt);
  EXPECT_EQ(form->SpdImage, image);
  EXPECT_EQ(form->CellEdits[3]->Text(), "7E");
  EXPECT_EQ(form->Caption(), L"Kestrune");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"kept.SPD"});
  EXPECT_EQ(form2->Label1->Caption(), L"");
}

TEST_F(FilesHandlers, AFailedOpenChangesNothingButSaysSo) {
  std::filesystem::create_directory(dir.Path("folder.SPD"));
  for (const std::string name : {"missing.SPD", "folder.SPD"}) {
    SCOPED_TRACE(name);
    Type(*form->CellEdits[3], "7E");
    const auto image = form->SpdImage;
    Open(dir.Path(name));
    EXPECT_EQ(form->SpdImage, image);
    EXPECT_EQ(form->CellEdits[3]->Text(), "7E");
    EXPECT_EQ(form->Caption(), L"Lumeth - " + W(name) + L" (開檔失敗)");
  }
}

TEST_F(FilesHandlers, AFailedSaveSaysSoAndKeepsTheOldFile) {
  std::filesystem::create_directory(dir.Path("folder.SPD"));
  const auto old = Pattern(300, 4);
  const std::string locked = dir.Put("locked.SPD", old);
  std::filesystem::permissions(
      locked, std::filesystem::perms::all & ~std::filesystem::perms::owner_write &
                  ~std::filesystem::perms::group_write & ~std::filesystem::perms::others_write);
  Save(dir.Path("folder.SPD"));
  EXPECT_EQ(form->Caption(), L"Lumeth - folder.SPD (存檔失敗)");
  Save(dir.Path("no/such/x.SPD"));
  EXPECT_EQ(form->Caption(), L"Lumeth - x.SPD (存檔失敗)");
  Save(locked, Answer::Confirm);
  EXPECT_EQ(form->Caption(), L"Kestrune - locked.SPD (存檔失敗)");
  EXPECT_EQ(ReadWholeFile(locked), old);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("folder.SPD")));
}

TEST_F(FilesHandlers, LongAndChinesePathsOpenAndSave) {
  std::string long_path = dir.Path(std::string(90, 'd') + "/");
  long_path += std::string(200 - long_path.size() - 4, 'n') + ".SPD";
  ASSERT_EQ(long_path.size(), 200u);
  for (const std::string& path : {long_path, dir.Path("資料夾/設定檔.SPD")}) {
    SCOPED_TRACE(path);
    const auto content = Pattern(512, 31);
    dir.Put(path.substr(dir.Path().size() + 1), content);
    Open(path);
    EXPECT_EQ(ImageBytes(), content);
    EXPECT_EQ(form->Caption(), L"Lumeth - " + W(std::filesystem::path(path).filename()));
    form->SpdImage[5] ^= 0xFF;
    Save(path, Answer::Confirm);
    EXPECT_EQ(ReadWholeFile(path), ImageBytes());
    EXPECT_EQ(form->Caption(), L"Kestrune - " + W(std::filesystem::path(path).filename()));
  }
}

// Failures that a test running as root cannot cause on a real disk.
class FilesHandlersOnFake : public FilesHandlers {
 protected:
  void SetUp() override {
    FilesHandlers::SetUp();
    faked = std::make_unique<TForm2>(harness.app, *form, fs);
    form->Form2 = faked.get();
  }

  void SaveOnFake(const std::wstring& path, Answer answer) {
    AnswerDialog(*form->SaveDialog1, path);
    if (answer == Answer::Confirm) harness.app.Post([this] { faked->Button1->Click(); });
    files::SaveImage(*form, fs);
  }

  FakeFileSystem fs;
  std::unique_ptr<TForm2> faked;
};

TEST_F(FilesHandlersOnFake, AnUnreadableFileIsNeitherLoadedNorSilentlyReplaced) {
  const std::wstring path = L"C:\\spd\\secret.SPD";
  const auto old = Pattern(512, 60);
  fs.files[path] = old;
  fs.unreadable.insert(path);
  const auto image = form->SpdImage;
  AnswerDialog(*form->OpenDialog1, path);
  files::OpenImage(*form, fs);
  EXPECT_EQ(form->SpdImage, image);
  EXPECT_EQ(form->Caption(), L"Lumeth - secret.SPD (開檔失敗)");

  SaveOnFake(path, Answer::CloseBox);
  EXPECT_EQ(faked->Label1->Caption(), L"secret.SPD");
  EXPECT_EQ(fs.files.at(path), old);
  SaveOnFake(path, Answer::Confirm);
  EXPECT_EQ(fs.files.at(path), ImageBytes());
  EXPECT_EQ(form->Caption(), L"Kestrune - secret.SPD");
}

TEST_F(FilesHandlersOnFake, AFullDiskFailsNewSavesAndOverwrites) {
  const std::wstring old_path = L"D:\\old.SPD";
  const auto old = Pattern(1000, 70);
  fs.files[old_path] = old;
  fs.scratch_fails = true;
  SaveOnFake(L"D:\\new.SPD", Answer::CloseBox);
  EXPECT_EQ(form->Caption(), L"Lumeth - new.SPD (存檔失敗)");
  EXPECT_FALSE(fs.files.contains(L"D:\\new.SPD"));
  SaveOnFake(old_path, Answer::Confirm);
  EXPECT_EQ(form->Caption(), L"Kestrune - old.SPD (存檔失敗)");
  EXPECT_EQ(fs.files.at(old_path), old);
}
