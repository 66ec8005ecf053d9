// The preview pane's Save Image and Batch Process commands (see
// form_rlower.h): the dialogs of output/dialogs over the Qt-free rules of
// output/model, writing through the image files' writers and the batch road.
#include <QApplication>
#include <QFileInfo>

#include <algorithm>

#include "app/base/dialog_hooks.h"
#include "app/base/message_box.h"
#include "app/base/wait_cursor.h"
#include "engine/image/buffer_pool.h"
#include "manualcrop/manual_crop_dlg.h"
#include "manualcrop/model/manual_crop_files.h"
#include "output/batch/batch_text.h"
#include "output/batch/output_name.h"
#include "output/dialogs/batch_dialogs.h"
#include "output/dialogs/batch_process_dlg.h"
#include "output/dialogs/save_file_dlg.h"
#include "output/model/save_image.h"
#include "output/model/window_batch.h"
#include "preview/form_rlower.h"
#include "preview/image_view.h"

namespace trimlet {

namespace {

const char* const kSelectImageFirst = "Please select an image file first.";

}  // namespace

void CFormRLower::SaveImage() {
  if (!pipeline_.imageShown() || pipeline_.result().empty()) {
    ShowMessage(QString::fromUtf8(kSelectImageFirst));
    return;
  }
  CropSettings& f = panel_.fields();
  const std::string name = proposedSaveName(pipeline_.currentFileName());
  CSaveFileDlg dialog(QString::fromStdString(name), this);
  if (!saveFolder_.isEmpty()) dialog.setDirectory(saveFolder_);
  dialog.setQuality(f.jpegQuality);
  dialog.setRunLength(f.targaRLE != 0);
  if (ExecDialog(dialog) != QDialog::Accepted) return;

  const QString path = dialog.chosenPath();
  {
    WaitCursor wait;
    f.jpegQuality = dialog.quality();
    f.targaRLE = dialog.runLength() ? 1 : 0;
    WriteOptions options;
    options.jpegQuality = f.jpegQuality;
    options.targaRle = f.targaRLE != 0;
    // A split writes every photo, numbered from the chosen name.
    const size_t pieces = pipeline_.pieces().size();
    for (size_t i = 0; i < std::max<size_t>(pieces, 1); ++i) {
      const std::string target =
          pieces > 1 ? numberedPath(path.toStdString(), int(i) + 1) : path.toStdString();
      const ImageBuffer& image = pieces > 1 ? pipeline_.pieceImage(i) : pipeline_.result();
      const auto written = saveByExtension(target, image, options, pipeline_.sourceMetadata());
      if (!written) break;  // an extension of no writer: nothing is written
      if (!*written)
        ShowMessage(QString::fromStdString(writeFailureText(target, written->reason())));
    }
  }
  if (FileListPort* list = theApp().ListPane) list->FillFromFolder(theApp().CurrentFolder);
  saveFolder_ = QFileInfo(path).absolutePath();
}

void CFormRLower::RunBatch() {
  CKivoApp& app = theApp();
  CropSettings& f = panel_.fields();
  BatchOptions options;
  options.source = app.CurrentFolder.toStdString();
  options.output = outputFolder_.toStdString();
  options.format = f.outputFormat;
  options.quality = f.jpegQuality;
  options.runLength = f.targaRLE != 0;
  options.lossless = f.losslessJpeg != 0;
  CBatchProcessDlg dialog(options, this);
  if (ExecDialog(dialog) != QDialog::Accepted) return;
  options = dialog.options();
  f.outputFormat = options.format;
  f.jpegQuality = options.quality;
  f.targaRLE = options.runLength ? 1 : 0;
  f.losslessJpeg = options.lossless ? 1 : 0;
  outputFolder_ = QString::fromStdString(options.output);

  BatchJob job = makeBatchJob(f, source_->model().wholeSelect(), pipeline_.manualRectValid());
  if (job.gathered.additive) job.frames = pipeline_.frameList();
  job.affix = options.affix;
  job.affixPosition = options.postfix ? AffixPosition::kPostfix : AffixPosition::kPrefix;
  DialogOverwritePrompt prompt(this);
  OverwriteCheck overwrite(prompt);
  WindowBatch batch(std::move(job), options.source, options.output, options.includeSubfolders,
                    overwrite);
  const int total = batch.start();
  if (total == 0) {
    ShowMessage(QString::fromUtf8(kNoImageFileMessage));
    return;
  }

  CBatchProgressDlg progress(this);
  progress.setRange(total);
  // Large buffers are kept for the next file of the batch, not given back
  // and faulted in again for every file.
  BufferPoolScope pool;
  progress.show();
  QStringList failures;
  BatchItem item;
  std::string status;
  while (!progress.cancelled() && batch.next(item, status)) {
    progress.setStatus(QString::fromStdString(status), item.number);
    const BatchFileResult result = batch.process(item);
    if (!result.outcome.ok()) {
      const std::string& where = result.outcome.kind == FileOutcome::Kind::kWriteFailed
                                     ? result.outcome.target
                                     : result.source;
      failures << QString::fromStdString(where + ": " + result.outcome.reason).trimmed();
    }
    update();
    // The window repaints; the progress window is modal, so only its Cancel
    // button takes input between files.
    QCoreApplication::processEvents();
  }
  const bool cancelled = progress.cancelled();
  progress.hide();

  ShowMessage(QString::fromUtf8(cancelled ? kBatchCancelledMessage : kBatchCompletedMessage));
  if (!failures.isEmpty()) {
    QStringList shown = failures.mid(0, 10);
    if (failures.size() > 10) shown << QStringLiteral("...");
    ShowMessage(QStringLiteral("%1 of the files could not be processed:\n\n%2")
                    .arg(failures.size())
                    .arg(shown.join(QLatin1Char('\n'))));
  }
  pipeline_.releaseImages();
  if (FolderTreePort* tree = app.LeftPane) tree->SelectAndRefreshFolder(app.CurrentFolder);
  if (FileListPort* list = app.ListPane) {
    list->FillFromFolder(app.CurrentFolder);
    if (!list->SelectedName().isEmpty()) OpenImage(list->SelectedName());
  }
  update();
}

void CFormRLower::OpenManualCrop() {
  if (!pipeline_.imageShown()) {
    ShowMessage(QString::fromUtf8(kSelectImageFirst));
    return;
  }
  CKivoApp& app = theApp();
  const CropSettings& f = panel_.fields();
  const GatheredSettings& copy = pipeline_.settingsCopy();
  ManualCropSetup setup;
  setup.folder = pipeline_.currentFolder();
  setup.fileName = pipeline_.currentFileName();
  setup.files = manualCropFiles(setup.folder);
  setup.jpegQuality = f.jpegQuality;
  setup.targaRle = f.targaRLE != 0;
  setup.tolerance = copy.tolerance;
  setup.filterSize = copy.filterSize;
  setup.noiseThreshold = copy.noiseThreshold;
  setup.saveFolder = outputFolder_;
  setup.honourOrientation = copy.honourOrientation != 0;
  CManualCropDlg dialog(setup, app.Store, this);
  ExecDialog(dialog);
  CropSettings& fields = panel_.fields();
  fields.jpegQuality = dialog.jpegQuality();
  fields.targaRLE = dialog.targaRle() ? 1 : 0;
  if (FileListPort* list = app.ListPane) list->FillFromFolder(app.CurrentFolder);
  if (!dialog.savedFolder().isEmpty()) outputFolder_ = dialog.savedFolder();
}

}  // namespace trimlet
