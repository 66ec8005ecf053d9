// The settings pane's account of the settings in use (see settings_summary.h).
#include "settings/panel/settings_summary.h"

#include <climits>

#include "engine/settings/setting_table.h"

namespace trimlet {

namespace {

QString number(float value) { return QString::number(static_cast<double>(value), 'g', 7); }

QString modeText(const CropSettings& s) {
  if (s.croppingMode == CroppingMode::kAuto) return QStringLiteral("Auto Crop");
  QString text = QStringLiteral("Manual Crop, %1, %2, %3 x %4")
                     .arg(s.cropX)
                     .arg(s.cropY)
                     .arg(s.cropWidth)
                     .arg(s.cropHeight);
  if (s.fixedRatio != 0) {
    text += QStringLiteral(", ratio %1 : %2")
                .arg(number(s.fixedRatioWidth), number(s.fixedRatioHeight));
  }
  if (s.rotationDegree != 0.0f) {
    text += QStringLiteral(", rotation %1 deg.").arg(number(s.rotationDegree));
  }
  if (s.flipHorizontal != 0) text += QStringLiteral(", flip horizontal");
  if (s.flipVertical != 0) text += QStringLiteral(", flip vertical");
  return text;
}

// The name the settings table gives a stored code ("All", "Pixel", "PNG").
QString choiceText(const char* section, const char* name, int value) {
  const SettingRow* row = findSetting(section, name);
  const std::string text = row ? choiceName(*row, value) : std::string();
  return text.empty() ? QStringLiteral("Unknown (%1)").arg(value) : QString::fromStdString(text);
}

QString edgeText(const CropSettings& s) {
  if (s.edgeCheck == 0) return QStringLiteral("Off");
  const QString side = s.edgeType >= EdgeType::kAll && s.edgeType <= EdgeType::kBottom
                           ? choiceText("Crop Edge Info", "Edge Type", toInt(s.edgeType))
                           : QStringLiteral("All");
  const QString unit =
      s.cutType == CutType::kPercent ? QStringLiteral("%") : QStringLiteral(" Pixel");
  const QString direction = choiceText("Crop Edge Info", "Cut Direction",
                                       s.cutDirection == CutDirection::kInward ? 1 : 0);
  QString text = QStringLiteral("%1, %2%3, %4").arg(side).arg(s.cutValue).arg(unit, direction);
  if (s.additive != 0) text += QStringLiteral(", additive");
  return text;
}

QString fixedSizeText(const CropSettings& s) {
  if (s.fixedSize == 0) return QStringLiteral("Off");
  if (s.sizeMode == SizeMode::kOneSide) {
    return QStringLiteral("%1 side %2 pixels")
        .arg(s.selSide == SelSide::kShort ? QStringLiteral("Short") : QStringLiteral("Long"))
        .arg(s.sidePixel);
  }
  return QStringLiteral("%1 x %2").arg(s.fixedWidth).arg(s.fixedHeight);
}

QString outputText(const CropSettings& s) {
  switch (s.outputFormat) {
    case OutputFormat::kJpeg: return QStringLiteral("JPEG, quality %1").arg(s.jpegQuality);
    case OutputFormat::kTarga:
      return s.targaRLE != 0 ? QStringLiteral("Targa, RLE") : QStringLiteral("Targa");
    default: return choiceText("Image Option", "Output Format", toInt(s.outputFormat));
  }
}

}  // namespace

std::vector<SummaryLine> settingsSummary(const CropSettings& settings) {
  CropSettings s = settings;
  // Before the first image the inward limit is not known yet; the stored
  // amount stands until an image sets it.
  if (s.imageSeen == 0) s.inwardCutLimit = INT_MAX;
  gatherSettings(s);
  return {
      {QStringLiteral("Mode"), modeText(s)},
      {QStringLiteral("Tolerance"), QString::number(s.tolerance)},
      {QStringLiteral("Noise filter"),
       QStringLiteral("%1 x %1, threshold %2").arg(s.filterSize).arg(s.noiseThreshold)},
      {QStringLiteral("Edge"), edgeText(s)},
      {QStringLiteral("Fixed size"), fixedSizeText(s)},
      {QStringLiteral("Output format"), outputText(s)},
  };
}

}  // namespace trimlet
