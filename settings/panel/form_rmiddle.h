#pragma once
// CFormRMiddle: the crop settings pane, between the file list and the
// preview. It owns the crop settings record (the panel's fields and, in the
// shared record, the preview's) and their persistence, and binds the form's
// controls to PanelModel, which holds the panel's rules:
//
//   construction  stores itself as the application's SettingsPane, reads
//                 the panel's values (readPanelSettings), builds the form;
//   destruction   writes them with writePanelSettings and leaves the slot.
//
// Each control carries its id as its object name and an accessible name.
// What the user types goes to the model as text; leaving an edit, Enter, a
// click or a choice runs the model's handler; then every control shows the
// fields, the enables and the spin ranges again. The form scrolls when the
// pane is smaller than it. The tooltip of the pane gives the settings in
// use in words (settings_summary.h).
//
// The store is the one given, or else the application's Store at
// construction; with neither, defaults are used and nothing is written.

#include <QWidget>
#include <map>
#include <vector>

#include "app/base/kivo_app.h"
#include "engine/settings/crop_settings.h"
#include "settings/model/panel_model.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace trimlet {

class CColorButton;
class CSpinArrows;

class CFormRMiddle : public QWidget, public SettingsPanePort, private PanelHost {
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
  void CommitControls() override;
  void EnableForCurrentImage() override;
  void EnableForMode(CroppingMode croppingMode) override;
  // The first update: the spins at 0-100, the enabling of the first show,
  // the source view's mode, Disable all while the file list has no file.
  void InitialUpdate() override;

  const PanelModel& model() const { return model_; }
  const PanelEnables& enables() const { return model_.enables(); }
  SpinRange cutSpinRange() const { return model_.cutSpinRange(); }
  // The settings in use in words, one caption and value per line (the
  // pane's tooltip).
  std::vector<std::pair<QString, QString>> shownSummary() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the form (form_rmiddle_controls.cpp).
  void buildForm();
  QLineEdit* edit(int id, const QString& name, int width);
  QComboBox* list(int id, const QString& name, const QStringList& items);
  template <typename Button>
  Button* button(int id, const QString& text, const QString& name = QString());
  CColorButton* swatch(int id, const QString& name);
  void connectControls();

  // Every control from the model and the fields.
  void showControls();
  QWidget* control(int id) const;

  // PanelHost.
  void applySettings() override;
  void applyCrop() override;
  void applyManualRectangle() override;
  void openCurrentFile() override;
  bool manualRectValid() const override;
  int imageWidth() const override;
  int imageHeight() const override;
  CroppingMode viewMode() const override;
  void setViewMode(CroppingMode mode) override;
  void setViewSelection(const CropRect& rect) override;
  void resizeViewSelection(int width, int height) override;
  void showMessage(const std::string& text) override;
  void focusControl(int id) override;
  bool runNoiseFilterDialog(int& filterSize, int& threshold) override;
  bool chooseColour(Rgb& colour) override;

  ProfileStore* store_;
  CropSettings settings_;
  PanelModel model_;
  std::map<int, QWidget*> controls_;
  std::map<int, QLineEdit*> edits_;
  CSpinArrows* toleranceSpin_ = nullptr;
  CSpinArrows* cutSpin_ = nullptr;
  bool showing_ = false;  // showControls is writing the controls
};

}  // namespace trimlet
