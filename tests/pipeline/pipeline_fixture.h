#pragma once
// A pipeline with a stored panel and a recording host, over files written
// into a temporary folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pipeline/image_pipeline.h"
#include "engine/pipeline/stored_settings_panel.h"
#include "imagefile/image_format.h"
#include "tests/support/test_support.h"

namespace trimlet::test {

class RecordingHost : public PipelineHost {
 public:
  void showSource(const ImageBuffer& image) override {
    ++sourcesShown;
    sourceWidth = image.width();
  }
  void showResult(const ImageBuffer&) override { ++resultsShown; }
  void clearViews() override { ++clears; }
  void setTitle(const std::string& text) override { title = text; }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void reportReadFailure(const std::string& path, int, const std::string& reason) override {
    readFailures.push_back(path + ": " + reason);
  }
  bool wholeSelect() override { return whole; }
  bool chosenFileExists() override { return chosenExists; }
  bool checkOverwrite(std::string& path) override {
    overwriteChecks.push_back(path);
    return skipWrites;
  }

  int sourcesShown = 0;
  int sourceWidth = 0;
  int resultsShown = 0;
  int clears = 0;
  std::string title;
  std::vector<std::string> messages;
  std::vector<std::string> readFailures;
  std::vector<std::string> overwriteChecks;
  bool whole = false;
  bool chosenExists = true;
  bool skipWrites = false;
};

class PipelineTest : public ::testing::Test {
 protected:
  PipelineTest() : pipeline(panel, host) {
    pipeline.setCurrentFolder(dir.path() + "/");
    pipeline.setOutputFolder(dir.path() + "/");
  }

  CropSettings& fields() { return panel.fields(); }

  // Writes `image` as `name` (format by its ending) into the folder.
  void writeImage(const std::string& name, const ImageBuffer& image) {
    Status written = writeImageFile(sourceFormatOf(name), dir.file(name), image, WriteOptions());
    ASSERT_TRUE(written.ok()) << written.reason();
  }

  // Gathers the panel into the pipeline's copy and opens the file.
  void open(const std::string& name) {
    pipeline.ApplySettings();
    pipeline.OpenImage(name);
  }

  TempDir dir;
  StoredSettingsPanel panel;
  RecordingHost host;
  ImagePipeline pipeline;
};

// A white page with a dark rectangle of the given size at (x, y) from the
// picture's top-left.
ImageBuffer pageWithBlock(int width, int height, int x, int y, int blockWidth, int blockHeight,
                          int channels = 3);

}  // namespace trimlet::test
