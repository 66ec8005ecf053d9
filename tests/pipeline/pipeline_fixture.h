#pragma once
// A pipeline with a stored panel and a recording host, over files written
// into a temporary folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagefile/image_format.h"
#include "pipeline/image_pipeline.h"
#include "pipeline/stored_settings_panel.h"
#include "tests/support/test_support.h"

namespace trimlet::test {

class RecordingHost : public PipelineView, public FailureReports {
 public:
  void showSource(const ImageBuffer& image) override {
    ++sourcesShown;
    sourceWidth = image.width();
  }
  void showResult(const ImageBuffer&) override { ++resultsShown; }
  void clearViews() override { ++clears; }
  void imageOpened(const std::string& name) override { opened = name; }
  void previewCleared() override { opened.clear(); }
  void reportMissingFile() override { ++missingReports; }
  void reportReadFailure(const std::string& path, SourceFormat,
                         const std::string& reason) override {
    readFailures.push_back(path + ": " + reason);
  }
  bool wholeSelect() override { return whole; }
  bool chosenFileExists() override { return chosenExists; }

  int sourcesShown = 0;
  int sourceWidth = 0;
  int resultsShown = 0;
  int clears = 0;
  std::string opened;
  int missingReports = 0;
  std::vector<std::string> readFailures;
  bool whole = false;
  bool chosenExists = true;
};

class PipelineTest : public ::testing::Test {
 protected:
  PipelineTest() : pipeline(panel, host, host) { pipeline.setCurrentFolder(dir.path() + "/"); }

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

}  // namespace trimlet::test
