// The window's output rules without windows: Save Image's names and writers,
// the option panel by file type, the output format choice, the batch
// dialog's folder checks and the window's batch a file a step.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "output/model/batch_folders.h"
#include "output/model/output_format_choice.h"
#include "output/model/save_image.h"
#include "output/model/window_batch.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

TEST(SaveImage, ProposesTheNameWithoutItsLastFourCharacters) {
  EXPECT_EQ(proposedSaveName("holiday.jpg"), "holiday");
  EXPECT_EQ(proposedSaveName("scan.jpeg"), "scan.");
  EXPECT_EQ(proposedSaveName("a.b"), "");
}

TEST(SaveImage, TheExtensionIsComparedExactly) {
  EXPECT_EQ(writerForSave(saveExtension("/t/holiday.jpg")), SourceFormat::kJpeg);
  EXPECT_EQ(writerForSave(saveExtension("/t/holiday.tga")), SourceFormat::kTarga);
  EXPECT_EQ(writerForSave(saveExtension("/t/holiday.bmp")), SourceFormat::kBitmap);
  EXPECT_EQ(writerForSave(saveExtension("/t/holiday.png")), SourceFormat::kPng);
  EXPECT_FALSE(writerForSave(saveExtension("/t/holiday.JPG")));
  EXPECT_FALSE(writerForSave(saveExtension("/t/holiday.jpeg")));
  EXPECT_FALSE(writerForSave(saveExtension("/t.d/holiday")));
  EXPECT_EQ(saveExtension("/t.d/holiday"), "");
}

TEST(SaveImage, SavesByTheExtensionOnlyAndSaysWhyAWriteFailed) {
  test::TempDir dir;
  const ImageBuffer image = test::solidImage(3, 2, {1, 2, 3});
  const auto written = saveByExtension(dir.file("a.bmp"), image, WriteOptions(), ImageMetadata());
  ASSERT_TRUE(written);
  EXPECT_TRUE(written->ok());
  EXPECT_TRUE(test::fileExists(dir.file("a.bmp")));
  EXPECT_FALSE(saveByExtension(dir.file("a.BMP"), image, WriteOptions(), ImageMetadata()));
  EXPECT_FALSE(test::fileExists(dir.file("a.BMP")));
  const auto missing =
      saveByExtension(dir.file("no/a.png"), image, WriteOptions(), ImageMetadata());
  ASSERT_TRUE(missing);
  EXPECT_FALSE(missing->ok());
  EXPECT_EQ(writeFailureText("/t/a.png", "No room.\n"),
            "The file\n\n/t/a.png\n\ncould not be written.\n\nNo room.");
}

TEST(SaveImage, TheOptionPanelFollowsTheFileType) {
  SaveOptionPanel panel;
  EXPECT_STREQ(panel.labelText(), "Image quality:");
  EXPECT_TRUE(panel.qualityShown());
  EXPECT_FALSE(panel.runLengthShown());
  panel.chooseType(2);
  EXPECT_STREQ(panel.labelText(), "Targa option:");
  EXPECT_FALSE(panel.qualityShown());
  EXPECT_TRUE(panel.runLengthShown());
  panel.chooseType(4);
  EXPECT_FALSE(panel.labelShown());
  EXPECT_FALSE(panel.qualityShown());
  EXPECT_FALSE(panel.runLengthShown());
  panel.chooseType(9);  // nothing changes
  EXPECT_FALSE(panel.labelShown());
  ASSERT_EQ(saveFileTypes().size(), 4u);
  EXPECT_STREQ(saveFileTypes()[3].description, "Portable Network Graphics [*.png] ");
}

TEST(OutputFormat, EnablesQualityForJpegAndRunLengthForTarga) {
  EXPECT_TRUE(formatControls(OutputFormat::kJpeg).quality);
  EXPECT_FALSE(formatControls(OutputFormat::kJpeg).runLength);
  EXPECT_TRUE(formatControls(OutputFormat::kTarga).runLength);
  EXPECT_FALSE(formatControls(OutputFormat::kTarga).quality);
  for (OutputFormat f : {OutputFormat::kBitmap, OutputFormat::kSame, OutputFormat::kPng}) {
    EXPECT_FALSE(formatControls(f).quality);
    EXPECT_FALSE(formatControls(f).runLength);
  }
  EXPECT_EQ(formatCaption(OutputFormat::kSame), "Same as source");
  EXPECT_EQ(formatCaption(OutputFormat::kPng), "PNG");
}

class ScriptedFolders : public BatchFolderHost {
 public:
  bool folderExists(const std::string& path) override {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
  }
  bool createFolder(const std::string& path) override {
    created.push_back(path);
    std::error_code ec;
    return failCreate ? false : std::filesystem::create_directory(path, ec);
  }
  bool askYesNo(const std::string& text) override {
    questions.push_back(text);
    return yes;
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  bool yes = true;
  bool failCreate = false;
  std::vector<std::string> created, questions, messages;
};

TEST(BatchFolders, AnEmptyOutputIsTheSourceAndARelativeOneLiesBelowIt) {
  test::TempDir dir;
  ScriptedFolders host;
  auto same = checkBatchFolders(dir.path(), "", host);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->source, dir.path() + "/");
  EXPECT_EQ(same->output, dir.path() + "/");
  auto below = checkBatchFolders(dir.path() + "/", "out", host);
  ASSERT_TRUE(below);
  EXPECT_EQ(below->output, dir.path() + "/out/");
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0],
            "The folder:\n\n'" + dir.path() +
                "/out/'\n\ndoes not exist. Do you want the folder to be created?");
  EXPECT_TRUE(test::fileExists(dir.path() + "/out"));
}

TEST(BatchFolders, NoKeepsTheDialogAndAFailedCreationSaysSo) {
  test::TempDir dir;
  ScriptedFolders host;
  host.yes = false;
  EXPECT_FALSE(checkBatchFolders(dir.path(), dir.path() + "/new", host));
  EXPECT_FALSE(test::fileExists(dir.path() + "/new"));
  host.yes = true;
  host.failCreate = true;
  EXPECT_FALSE(checkBatchFolders(dir.path(), dir.path() + "/new", host));
  EXPECT_EQ(host.messages, std::vector<std::string>{kDirectoryCreationFailed});
  // One level only: a missing parent is not made.
  host.failCreate = false;
  EXPECT_FALSE(checkBatchFolders(dir.path(), dir.path() + "/a/b", host));
  EXPECT_FALSE(test::fileExists(dir.path() + "/a"));
}

TEST(BatchFolders, AMissingSourceIsNoImageFile) {
  ScriptedFolders host;
  EXPECT_FALSE(checkBatchFolders("/nonexistent/trimlet/", "", host));
  EXPECT_EQ(host.messages, std::vector<std::string>{"No image file or invalid directory."});
  EXPECT_TRUE(host.questions.empty());
}

class KeepNothing : public OverwritePolicy {
 public:
  bool keepExisting(std::string&) override { return false; }
};

TEST(WindowBatch, WorksAFileAStepWithItsStatus) {
  test::TempDir dir;
  for (const char* name : {"a.bmp", "b.bmp"})
    ASSERT_TRUE(writeImageFile(SourceFormat::kBitmap, dir.file(name),
                               test::pageWithBlock(20, 10, 2, 2, 5, 5), WriteOptions())
                    .ok());
  CropSettings s;
  s.tolerance = 20;
  s.outputFormat = OutputFormat::kPng;
  BatchJob job = makeBatchJob(s, false, false);
  KeepNothing policy;
  WindowBatch batch(job, dir.path() + "/", dir.path() + "/", false, policy);
  EXPECT_EQ(batch.start(), 2);
  BatchItem item;
  std::string status;
  int done = 0;
  while (batch.next(item, status)) {
    ++done;
    EXPECT_EQ(item.number, done);
    EXPECT_NE(status.find("    " + std::to_string(done) + "/2"), std::string::npos) << status;
    EXPECT_EQ(batch.process(item).outcome.kind, FileOutcome::Kind::kWritten);
  }
  EXPECT_EQ(done, 2);
  EXPECT_TRUE(test::fileExists(dir.file("a.png")));
  EXPECT_TRUE(test::fileExists(dir.file("b.png")));
}

}  // namespace
}  // namespace trimlet
