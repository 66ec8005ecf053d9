#pragma once
// CFormRLower: the preview pane, below the settings. It shows the chosen
// image (source view, left) and the cropped result (result view, right) with
// an arrow between them, owns the per-image pipeline, and is where the user
// draws the manual crop rectangle or picks the crop colour.
//
//   construction    stores itself as the application's PreviewPane; builds
//                   the views (source 1003 with its selection, result 1004
//                   without) and the arrow 1005; the pipeline's output folder
//                   starts as the application's CurrentFolder
//   InitialUpdate   the pipeline's start-up values from the store, the arrow
//                   picture (26601, key colour 0, 128, 128), layout; the
//                   first-folder flag is clear
//   destruction     writes the preview's stored values, then destroys the
//                   result view before the source view (both write the
//                   "Controls" values; the source view's stay)
//
// Input: the views let the mouse fall through to the pane, which forwards
// moves, left presses and releases and right presses inside the source view's
// area to it at (x - 5, y - 5); while the source view holds the mouse (from a
// left press to its release) every move and the release go to it wherever the
// mouse is. The result view gets no input. The pane takes the keyboard focus
// when clicked (or tabbed to); it turns Left, Up, Right, Down into A, W, D, S
// and gives those four letters to the source view.

#include <QWidget>

#include "app/base/kivo_app.h"
#include "pipeline/image_pipeline.h"
#include "preview/app_settings_panel.h"
#include "preview/pane_view_host.h"

namespace trimlet {

class CImageView;
class CTransparentBitmap;

class CFormRLower : public QWidget,
                    public PreviewPanePort,
                    public PipelineView,
                    public FailureReports {
 public:
  explicit CFormRLower(QWidget* parent);
  ~CFormRLower() override;

  // PreviewPanePort.
  ImagePipeline& Pipeline() override { return pipeline_; }
  ImageViewModel& SourceView() override;
  void OpenImage(const QString& name) override;
  void FolderChanged(const QString& path) override;
  void ClearPreview() override;
  void ApplySettings() override;
  void SetViewMode(ViewMode mode) override;
  void ParentFolder() override;
  void RepaintViews() override;
  void InitialUpdate() override;
  // Save Image: the result shown, into a file the save dialog names.
  void SaveImage() override;
  // Batch Process: the batch dialog, then every image file of the folder
  // (tree) through the batch road with progress and Cancel.
  void RunBatch() override;
  // Manual Crop: the manual cropping window on the file shown, stepping
  // through the image files of its folder.
  void OpenManualCrop() override;

  // PipelineView.
  void showSource(const ImageBuffer& image) override;
  void showResult(const ImageBuffer& image) override;
  void clearViews() override;
  void imageOpened(const std::string& name) override;
  void previewCleared() override;
  void updateStatus(const StatusSizes& sizes) override;
  void setBusy(bool busy) override;
  bool wholeSelect() override;
  bool chosenFileExists() override;

  // FailureReports.
  void reportMissingFile() override;
  void reportReadFailure(const std::string& path, SourceFormat sourceFormat,
                         const std::string& reason) override;

  CImageView* sourceView() const { return source_; }
  CImageView* resultView() const { return result_; }
  CTransparentBitmap* arrow() const { return arrow_; }
  QSize arrowSize() const { return {arrowWidth_, arrowHeight_}; }
  bool firstFolderShown() const { return firstFolderShown_; }
  // Where the batch writes: the current folder when the pane was made.
  const QString& outputFolder() const { return outputFolder_; }

  // Lays the views and the arrow out for the pane's size, then reports to
  // the status bar.
  void Layout();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The source view's point for a pane position, if the mouse goes to it.
  std::optional<QPoint> sourcePoint(QPoint panePosition) const;
  void reportStatus();

  AppSettingsPanel panel_;
  ImagePipeline pipeline_;
  PaneViewHost viewHost_;
  CImageView* source_ = nullptr;
  CImageView* result_ = nullptr;
  CTransparentBitmap* arrow_ = nullptr;
  int arrowWidth_;
  int arrowHeight_;
  bool firstFolderShown_ = false;
  QString outputFolder_;
  QString saveFolder_;  // the folder last saved to
  bool sourceHoldsMouse_ = false;
  int busyDepth_ = 0;
};

}  // namespace trimlet
