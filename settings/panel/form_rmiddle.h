#pragma once
// CFormRMiddle: the crop settings pane, between the file list and the
// preview. It owns the crop settings record (the panel's fields and, in the
// shared record, the preview's) and their persistence:
//
//   construction  stores itself as the application's SettingsPane and reads
//                 the panel's values with readPanelSettings (in the order of
//                 that function), defaults for what is missing;
//   destruction   writes them with writePanelSettings and leaves the slot.
//
// The pane shows a read-only account of the settings in use
// (settings_summary.h) and keeps which of the panel's controls are enabled
// (panel_enable.h), the rules that the other panes drive.
//
// The store is the one given, or else the application's Store at
// construction; with neither, defaults are used and nothing is written.

#include <QWidget>
#include <vector>

#include "app/base/kivo_app.h"
#include "engine/settings/crop_settings.h"
#include "settings/model/panel_enable.h"

class QLabel;

namespace trimlet {

class CFormRMiddle : public QWidget, public SettingsPanePort {
 public:
  explicit CFormRMiddle(QWidget* parent, ProfileStore* store = nullptr);
  ~CFormRMiddle() override;

  // SettingsPanelPort.
  CropSettings& fields() override { return settings_; }
  // CommitControls, the normalisations and the distribution to the sides,
  // then showFields; returns the gathered values.
  GatheredSettings gather() override;
  // A negative limit becomes 0; the cut spin's range follows it.
  void setInwardCutLimit(int limit) override;
  void setImageSeen() override { settings_.imageSeen = 1; }
  void showFields() override;
  void disableAll() override;

  // SettingsPanePort.
  // The controls hold nothing yet that the fields do not.
  void CommitControls() override {}
  void EnableForCurrentImage() override;
  void EnableForMode(CroppingMode croppingMode) override;
  // The first update: the cut spin at 0-100, the enabling of the first show,
  // Disable all while the file list has no file.
  void InitialUpdate() override;

  const PanelEnables& enables() const { return enables_; }
  SpinRange cutSpinRange() const { return cutSpin_; }
  // The summary as shown, one caption and value per line.
  std::vector<std::pair<QString, QString>> shownSummary() const;

 private:
  void showEnables();

  ProfileStore* store_;
  CropSettings settings_;
  PanelEnables enables_;
  SpinRange cutSpin_;
  std::vector<std::pair<QLabel*, QLabel*>> lines_;
};

}  // namespace trimlet
