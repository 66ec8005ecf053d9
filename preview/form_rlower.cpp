// The preview pane: construction, the pane's operations and the pipeline's
// host. Layout and input are in form_rlower_input.cpp.
#include "preview/form_rlower.h"

#include "pipeline/piece_layout.h"

#include <QApplication>

#include "app/base/message_box.h"
#include "preview/chosen_file.h"
#include "preview/image_view.h"
#include "preview/model/parent_folder.h"
#include "preview/model/preview_pane_layout.h"
#include "preview/model/read_failure_text.h"
#include "preview/preview_ids.h"
#include "preview/preview_pictures.h"
#include "preview/transparent_bitmap.h"

namespace trimlet {

namespace {

bool listHasNoFileChosen() {
  const FileListPort* list = theApp().ListPane;
  return list != nullptr && list->NoFileChosen();
}

// A view as the pane holds it: its id as object name, the mouse falling
// through to the pane, grey while the list has no chosen file.
void setUpView(CImageView* view, int id) {
  view->setObjectName(QString::number(id));
  view->setAttribute(Qt::WA_TransparentForMouseEvents);
  view->setFocusPolicy(Qt::NoFocus);
  view->setBlankWhile(listHasNoFileChosen);
}

}  // namespace

CFormRLower::CFormRLower(QWidget* parent)
    : QWidget(parent),
      pipeline_(panel_, *this, *this),
      viewHost_(pipeline_, panel_, [this] { return firstFolderShown_; }),
      arrowWidth_(preview::kArrowWidth),
      arrowHeight_(preview::kArrowHeight) {
  CKivoApp& app = theApp();
  app.PreviewPane = this;
  setObjectName(QString::number(preview::kFormId));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);

  // In the order of the form's controls: the arrow, the source, the result.
  arrow_ = new CTransparentBitmap(this);
  arrow_->setObjectName(QString::number(preview::kArrowId));
  arrow_->setAttribute(Qt::WA_TransparentForMouseEvents);
  arrow_->resize(arrowWidth_, arrowHeight_);
  source_ = new CImageView(viewHost_, false, app.Store, this);
  setUpView(source_, preview::kSourceViewId);
  source_->setCursorTarget(this);
  result_ = new CImageView(viewHost_, true, app.Store, this);
  setUpView(result_, preview::kResultViewId);
  outputFolder_ = app.CurrentFolder;
}

CFormRLower::~CFormRLower() {
  CKivoApp& app = theApp();
  if (app.Store != nullptr) pipeline_.save(*app.Store);
  // The result view first, so that the source view's "Controls" values stay.
  delete result_;
  result_ = nullptr;
  delete source_;
  source_ = nullptr;
  while (busyDepth_ > 0) setBusy(false);
  if (app.PreviewPane == this) app.PreviewPane = nullptr;
}

ImageViewModel& CFormRLower::SourceView() { return source_->model(); }

void CFormRLower::InitialUpdate() {
  if (ProfileStore* store = theApp().Store) {
    pipeline_.load(*store);
  } else {
    MemoryProfileStore defaults;
    pipeline_.load(defaults);
  }
  arrow_->SetPicture(loadPreviewBitmap(preview::kArrowBitmapId), preview::kArrowKeyColour);
  arrowWidth_ = arrow_->width();
  arrowHeight_ = arrow_->height();
  Layout();
  firstFolderShown_ = false;
}

void CFormRLower::OpenImage(const QString& name) { pipeline_.OpenImage(name.toStdString()); }

void CFormRLower::FolderChanged(const QString& path) {
  const std::string folder = path.toStdString();
  if (!firstFolderShown_) {
    firstFolderShown_ = true;
    saveFolder_ = path;
    const FileListPort* list = theApp().ListPane;
    const QString name = list != nullptr ? list->SelectedName() : QString();
    const CropSettings& f = panel_.fields();
    const bool storedRectangle = f.cropWidth > 0 || f.cropHeight > 0;
    if (!name.isEmpty()) {
      // The remembered file lies in the folder being shown. The stored
      // rectangle is valid before the file is processed, so that in manual
      // mode the first result is already cut by it.
      pipeline_.setCurrentFolder(folder);
      if (storedRectangle) {
        pipeline_.setManualRectangle({f.cropX, f.cropY, f.cropWidth, f.cropHeight}, 0, 0);
      }
      OpenImage(name);
    }
    if (storedRectangle) {
      pipeline_.setManualRectangle({f.cropX, f.cropY, f.cropWidth, f.cropHeight}, 0, 0);
    }
    ApplySettings();
    source_->relayout();
  } else {
    ClearPreview();
  }
  pipeline_.setCurrentFolder(folder);
  if (FileListPort* list = theApp().ListPane) list->FillFromFolder(path);
}

void CFormRLower::ClearPreview() { pipeline_.clearPreview(); }

void CFormRLower::ApplySettings() { pipeline_.ApplySettings(); }

void CFormRLower::SetViewMode(ViewMode mode) {
  if (FileListPort* list = theApp().ListPane) list->SetViewMode(mode);
}

void CFormRLower::ParentFolder() {
  FolderTreePort* tree = theApp().LeftPane;
  if (tree == nullptr) return;
  const std::string parent = parentFolderOf(pipeline_.currentFolder());
  if (tree->SelectFolder(QString::fromStdString(parent))) pipeline_.setCurrentFolder(parent);
}

void CFormRLower::RepaintViews() {
  source_->update();
  result_->update();
}

// --- PipelineView and FailureReports ---------------------------------------------------------

void CFormRLower::showSource(const ImageBuffer& image) {
  source_->SetImage(image.width(), image.height(), image.data(), image.channels());
}

void CFormRLower::showResult(const ImageBuffer& image) {
  std::vector<std::array<QPointF, 4>> outlines;
  if (!pipeline_.pieces().empty()) {
    for (const CropPiece& piece : pipeline_.pieces()) {
      if (!piece.measured) continue;  // only what straightening or splitting found
      const auto corners = outlineCorners(piece, pipeline_.source().height());
      std::array<QPointF, 4> points;
      for (size_t i = 0; i < 4; ++i) points[i] = QPointF(corners[i].x, corners[i].y);
      outlines.push_back(points);
    }
  }
  source_->setOutlines(std::move(outlines));
  result_->SetImage(image.width(), image.height(), image.data(), image.channels());
}

void CFormRLower::clearViews() {
  source_->setOutlines({});
  source_->ClearView();
  result_->ClearView();
}

void CFormRLower::imageOpened(const std::string& name) {
  if (MainFramePort* frame = theApp().MainFrame) {
    frame->SetTitle(QString::fromStdString(previewTitle(name)));
    frame->EnableManualCrop(sourceFormatOf(name) != SourceFormat::kNone);
  }
}

void CFormRLower::previewCleared() {
  if (MainFramePort* frame = theApp().MainFrame) {
    frame->SetTitle(QString::fromStdString(previewTitle(std::string())));
    frame->EnableManualCrop(false);
  }
}

void CFormRLower::updateStatus(const StatusSizes& sizes) {
  MainFramePort* frame = theApp().MainFrame;
  if (frame == nullptr) return;
  const ImageViewModel& s = source_->model();
  const ImageViewModel& r = result_->model();
  const StatusScales scales = previewStatusScales(
      !pipeline_.source().empty(), s.hasImage() ? s.imageRect().width() : 0,
      s.hasImage() ? s.imageWidth() : 0, r.hasImage() ? r.imageRect().width() : 0,
      r.hasImage() ? r.imageWidth() : 0);
  frame->SetStatusValues(sizes.sourceWidth, sizes.sourceHeight, sizes.resultWidth,
                         sizes.resultHeight, scales.source, scales.result);
}

void CFormRLower::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

void CFormRLower::reportMissingFile() { ShowMessage(QString::fromUtf8(kMissingFileMessage)); }

void CFormRLower::reportReadFailure(const std::string& path, SourceFormat sourceFormat,
                                    const std::string& reason) {
  const ReadFailureText message = readFailureText(path, sourceFormat, reason);
  if (message.errorCaption) {
    ShowError(QString::fromStdString(message.text));
  } else {
    ShowMessage(QString::fromStdString(message.text));
  }
}

bool CFormRLower::wholeSelect() { return source_->model().wholeSelect(); }

bool CFormRLower::chosenFileExists() {
  return trimlet::chosenFileExists(pipeline_.currentFolder());
}

}  // namespace trimlet
