#include "cli/cli_options.h"

#include "cli/settings_help.h"

#include <CLI/CLI.hpp>

#include <map>

namespace trimlet {

namespace {

const char* const kVersionText = "trimlet-batch (Trimlet) 3.1, build 3014";

const char* const kDescription =
    "Crops every image file (.jpg, .tga, .bmp, .png) of SOURCE with the crop settings that\n"
    "Trimlet stored, and writes the results into OUTPUT (default: SOURCE itself).";

}  // namespace

int parseCommandLine(int argc, const char* const* argv, CliOptions& options, std::string& message,
                     bool& toError) {
  CLI::App app{kDescription, "trimlet-batch"};
  app.set_version_flag("--version", kVersionText);
  app.get_formatter()->column_width(34);

  app.add_option("SOURCE", options.source, "Folder of the images to crop")->required();
  app.add_option("OUTPUT", options.output, "Folder for the results (created when missing)");
  app.add_option("--profile", options.profile,
                 "Read the settings from this INI file instead of Trimlet's own");
  app.add_option("--set", options.sets,
                 "Override one stored value: \"Section/Value name=VALUE\" (repeatable; "
                 "--list-settings names them)")
      ->allow_extra_args(false);
  bool listSettings = false;
  app.add_flag_callback(
         "--list-settings",
         [&listSettings] {
           listSettings = true;
           throw CLI::Success();
         },
         "List the stored settings that --set changes, with their ranges and defaults")
      ->trigger_on_parse();

  static const std::map<std::string, int> kFormats{{"jpg", toInt(OutputFormat::kJpeg)},
                                                   {"tga", toInt(OutputFormat::kTarga)},
                                                   {"bmp", toInt(OutputFormat::kBitmap)},
                                                   {"same", toInt(OutputFormat::kSame)},
                                                   {"png", toInt(OutputFormat::kPng)}};
  int format = -1;
  app.add_option("--format", format, "Output format: jpg, tga, bmp, png or same")
      ->transform(CLI::CheckedTransformer(kFormats, CLI::ignore_case));
  int quality = -1;
  app.add_option("--quality", quality, "JPEG quality 0-100")->check(CLI::Range(0, 100));
  std::string rle;
  app.add_option("--rle", rle, "Run-length encode Targa files: on or off")
      ->check(CLI::IsMember({"on", "off"}));
  std::string prefix, postfix;
  auto* prefixOption = app.add_option("--prefix", prefix, "Put TEXT before each output name");
  auto* postfixOption =
      app.add_option("--postfix", postfix, "Put TEXT before the extension of each output name");
  prefixOption->excludes(postfixOption);
  app.add_flag("-r,--subfolders", options.recurse, "Include the subfolders of SOURCE");
  static const std::map<std::string, OverwriteMode> kModes{
      {"ask", OverwriteMode::kAsk}, {"all", OverwriteMode::kAll}, {"none", OverwriteMode::kNone}};
  app.add_option("--overwrite", options.overwrite,
                 "Existing results: ask (default; skipped without a terminal), all or none")
      ->transform(CLI::CheckedTransformer(kModes, CLI::ignore_case));
  app.add_flag("--dry-run", options.dryRun,
               "Show what would be done (boxes, angles, lossless cuts); write no image");
  app.add_option("--jobs", options.jobs, "Process this many files at once (default 1)")
      ->check(CLI::Range(1, 64));
  app.add_flag("--straighten", options.straighten,
               "Auto Crop: measure each picture's tilt and straighten it");
  app.add_flag("--split", options.split,
               "Auto Crop: write every photo of a page on its own, as NAME_1, NAME_2 ...");
  int minPhoto = -1;
  app.add_option("--min-photo", minPhoto,
                 "Smallest photo, in percent of the page (default: stored, 2)")
      ->check(CLI::Range(0, 100));
  app.add_flag("--no-orientation", options.noOrientation,
               "Handle pictures as stored, not turned upright by their EXIF orientation");
  app.add_flag("--lossless", options.lossless,
               "Cut JPEG results out of JPEG sources without encoding them again");
  app.add_option("--report", options.report,
                 "Write a JSON record of every source, box and target to this file");
  app.add_option("--files-from", options.filesFrom,
                 "Take the files from this list (- for standard input), names relative to "
                 "SOURCE, instead of walking SOURCE");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (listSettings) {
      message = settingsHelpText();
      toError = false;
      return 0;
    }
    std::ostringstream out, err;
    const int code = app.exit(e, out, err);
    message = out.str() + err.str();
    toError = code != 0;
    return code == 0 ? 0 : 2;
  }
  if (format >= 0) options.format = format;
  if (quality >= 0) options.quality = quality;
  if (minPhoto >= 0) options.minPhotoPercent = minPhoto;
  if (!options.filesFrom.empty() && options.recurse) {
    message = "trimlet-batch: --files-from takes the files from the list; -r does not apply\n";
    toError = true;
    return 2;
  }
  if (!rle.empty()) options.rle = rle == "on";
  if (*postfixOption) {
    options.affix = postfix;
    options.affixPosition = AffixPosition::kPostfix;
  } else if (*prefixOption) {
    options.affix = prefix;
    options.affixPosition = AffixPosition::kPrefix;
  }
  return -1;
}

}  // namespace trimlet
