// The file list's side of the thumbnail build: starting it, and taking each
// thumbnail on the UI thread.
#include <QImage>
#include <QPixmap>

#include "browser/browser_ids.h"
#include "browser/browser_text.h"
#include "browser/model/thumbnail_scale.h"
#include "browser/shell_file_list.h"

namespace trimlet {

namespace {

// The thumbnail's rows as a picture with pure white transparent.
QIcon thumbnailIcon(const std::vector<uint8_t>& rows) {
  const std::vector<uint32_t> argb = ThumbnailArgb(rows);
  if (argb.empty()) return QIcon();
  QImage image(kThumbnailSize, kThumbnailSize, QImage::Format_ARGB32);
  for (int y = 0; y < kThumbnailSize; ++y) {
    auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < kThumbnailSize; ++x)
      line[x] = argb[static_cast<size_t>(y) * kThumbnailSize + x];
  }
  return QIcon(QPixmap::fromImage(image));
}

// A drawn picture with its pure white pixels transparent, as the thumbnails.
QIcon whiteMasked(const QString& resource) {
  QImage image = QImage(resource).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = 0x00FFFFFFu;
  }
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace

void CShellFileList::setupThumbnailBuilder() {
  folderPicture_ = whiteMasked(QString::fromLatin1(browser_ids::kFolderThumbnailResource));
  placeholder_ = whiteMasked(QString::fromLatin1(browser_ids::kPlaceholderResource));
  // Both callbacks run on the worker: they only post to this object, whose
  // destructor ends the worker first.
  ThumbnailBuilder::Callbacks callbacks;
  callbacks.delivered = [this](uint64_t generation, ThumbnailItem item) {
    auto shared = std::make_shared<ThumbnailItem>(std::move(item));
    QMetaObject::invokeMethod(
        this, [this, generation, shared] { onThumbnail(generation, shared); },
        Qt::QueuedConnection);
  };
  callbacks.ended = [this](uint64_t generation, bool complete) {
    QMetaObject::invokeMethod(
        this, [this, generation, complete] { onBuildEnded(generation, complete); },
        Qt::QueuedConnection);
  };
  builder_ = std::make_unique<ThumbnailBuilder>(std::move(callbacks));
}

bool CShellFileList::thumbnailsComplete() const {
  return thumbnailCount_ == static_cast<int>(largeIcons_.size());
}

bool CShellFileList::thumbnailsAttached() const {
  return viewMode_ == ViewMode::kThumbnail && model_->normalImages() == &thumbnails_;
}

void CShellFileList::BuildThumbnails() {
  // A complete set is shown again as it is; a build of this fill that is
  // still queued or running will complete it.
  if (thumbnailsComplete() || buildPending_) return;
  buildPending_ = true;
  ++buildsStarted_;
  builder_->start(ThumbnailJob{generation_, toNative(folder_), entries_});
}

void CShellFileList::stopBuild() {
  ++generation_;
  builder_->setCurrentGeneration(generation_);
  buildPending_ = false;
}

void CShellFileList::onThumbnail(uint64_t generation, const std::shared_ptr<ThumbnailItem>& item) {
  if (generation != generation_) return;  // a build of a folder no longer listed
  const int k = item->index;
  if (k < 0 || k >= static_cast<int>(thumbnails_.size())) return;
  QIcon icon;
  switch (item->kind) {
    case ThumbnailKind::kPicture: icon = thumbnailIcon(item->pixels); break;
    case ThumbnailKind::kFolder: icon = folderPicture_; break;
    case ThumbnailKind::kPlaceholder: icon = placeholder_; break;
  }
  if (icon.isNull()) icon = placeholder_;
  if (thumbnails_[static_cast<size_t>(k)].isNull()) ++thumbnailCount_;
  thumbnails_[static_cast<size_t>(k)] = icon;
  if (thumbnailsAttached()) model_->imageChanged(k);
  emit thumbnailAdded(k);
}

void CShellFileList::onBuildEnded(uint64_t generation, bool complete) {
  if (generation == generation_) buildPending_ = false;
  emit thumbnailBuildEnded(generation, complete);
}

}  // namespace trimlet
