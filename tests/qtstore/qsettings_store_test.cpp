// The profile store over QSettings, on a temporary configuration folder and
// temporary INI files; the user's own profile is never touched.
#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/settings/crop_settings.h"
#include "engine/settings/settings_keys.h"
#include "engine/settings/settings_persistence.h"
#include "settings/store/qsettings_profile_store.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

// Points XDG_CONFIG_HOME at a fresh folder before any test (and so before
// QSettings first looks it up) and removes the folder at the end.
class IsolatedConfigHome : public ::testing::Environment {
 public:
  void SetUp() override {
    char pattern[] = "/tmp/trimlet-qtstore-XXXXXX";
    const char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    path_ = made;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", path_.c_str(), 1), 0);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  static const std::string& path() { return path_; }

 private:
  static std::string path_;
};
std::string IsolatedConfigHome::path_;
::testing::Environment* const kConfigHome =
    ::testing::AddGlobalTestEnvironment(new IsolatedConfigHome);

void writeText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

TEST(QSettingsStore, UserProfileIsKivoConfUnderTheConfigHome) {
  QSettingsProfileStore store;
  const std::string expected =
      IsolatedConfigHome::path() + "/Local AppWizard-Generated Applications/Kivo.conf";
  ASSERT_EQ(store.fileName(), expected);  // never the user's own file
  store.writeInt("Auto Crop Info", "Tolerance", 20);
  ASSERT_TRUE(store.flush().ok());
  EXPECT_TRUE(test::fileExists(expected));
  QSettingsProfileStore again;
  EXPECT_EQ(again.readInt("Auto Crop Info", "Tolerance", 0), 20);
}

TEST(QSettingsStore, IntegersAndStringsKeepTheirKinds) {
  test::TempDir dir;
  const std::string file = dir.file("profile.ini");
  {
    QSettingsProfileStore store(file);
    store.writeInt("Image Option", "Jpeg quality", 75);
    store.writeInt("Manual Crop Info", "Decimal Point", -2);
    store.writeString("Manual Crop Info", "Rotation Degree", "0000000");
    store.writeString("Last Selected File", "File Path", "/home/me/a, b;c=d.jpg");
    store.writeString("Manual Crop Info", "Empty", "");
    ASSERT_TRUE(store.flush().ok());
  }
  QSettingsProfileStore store(file);
  EXPECT_EQ(store.readInt("Image Option", "Jpeg quality", 0), 75);
  EXPECT_EQ(store.readInt("Manual Crop Info", "Decimal Point", 0), -2);
  EXPECT_EQ(store.readString("Manual Crop Info", "Rotation Degree", "x"), "0000000");
  EXPECT_EQ(store.readString("Last Selected File", "File Path", "x"), "/home/me/a, b;c=d.jpg");
  EXPECT_EQ(store.readString("Manual Crop Info", "Empty", "x"), "");
  // An integer read as a string is its digits.
  EXPECT_EQ(store.readString("Image Option", "Jpeg quality", "x"), "75");
}

TEST(QSettingsStore, MissingOrUnreadableValuesGiveTheDefault) {
  test::TempDir dir;
  const std::string file = dir.file("profile.ini");
  writeText(file,
            "[Noise Filtering]\n"
            "Filter Size=abc\n"
            "Noise Threshold=12abc\n"
            "Big=99999999999\n"
            "Real=1.5\n"
            "List=1, 2\n"
            "Spaced= 9 \n");
  QSettingsProfileStore store(file);
  EXPECT_EQ(store.readInt("Noise Filtering", "Filter Size", 3), 3);
  EXPECT_EQ(store.readInt("Noise Filtering", "Noise Threshold", 6), 6);
  EXPECT_EQ(store.readInt("Noise Filtering", "Big", 4), 4);
  EXPECT_EQ(store.readInt("Noise Filtering", "Real", 5), 5);
  EXPECT_EQ(store.readInt("Noise Filtering", "List", 7), 7);
  EXPECT_EQ(store.readInt("Noise Filtering", "Spaced", 0), 9);
  EXPECT_EQ(store.readInt("Noise Filtering", "Absent", 8), 8);
  EXPECT_EQ(store.readInt("Absent Section", "Filter Size", 8), 8);
  EXPECT_EQ(store.readString("Noise Filtering", "Absent", "d"), "d");
  // An unquoted list reads back joined with ", ".
  EXPECT_EQ(store.readString("Noise Filtering", "List", "d"), "1, 2");
}

TEST(QSettingsStore, MissingFileGivesDefaultsAndStaysMissing) {
  test::TempDir dir;
  const std::string file = dir.file("none.ini");
  {
    QSettingsProfileStore store(file);
    CropSettings s;
    readPanelSettings(store, s);
    EXPECT_EQ(s.sidePixel, 100);
    EXPECT_EQ(s.fixedRatioWidth, 1.0f);
  }
  EXPECT_FALSE(test::fileExists(file));  // reading writes nothing
}

TEST(QSettingsStore, HandWrittenSectionsAndKeysWithPlainSpaces) {
  test::TempDir dir;
  const std::string file = dir.file("hand.ini");
  writeText(file,
            "[Auto Crop Info]\nTolerance=20\n"
            "[Manual Crop Info]\n"
            "Rotation Degree=1225000\nDecimal Point=2\nSign of Rotation Degree=1\n"
            "FixedRatio Width=1333333\nDecimal Point of Ratio Width=1\n"
            "[Noise Filtering]\nFilter Size=8\n");
  QSettingsProfileStore store(file);
  EXPECT_EQ(store.readInt("Auto Crop Info", "Tolerance", 0), 20);
  CropSettings s;
  readPanelSettings(store, s);
  EXPECT_EQ(s.tolerance, 20);
  EXPECT_EQ(s.rotationDegree, -12.25f);
  EXPECT_EQ(s.fixedRatioWidth, 1.333333f);
  EXPECT_EQ(s.fixedRatioHeight, 1.0f);
  EXPECT_EQ(s.filterSize, 8);
}

TEST(QSettingsStore, SettingsSurviveTheFileUnderTheirOwnNames) {
  test::TempDir dir;
  const std::string file = dir.file("profile.ini");
  CropSettings s;
  s.rotationDegree = -12.25f;
  s.fixedRatioWidth = 4.0f / 3.0f;
  s.filterSize = 11;
  s.jpegQuality = 88;
  s.backgroundColor = Rgb{10, 20, 30};
  {
    QSettingsProfileStore store(file);
    writePanelSettings(store, s);
    writePreviewSettings(store, s);
  }  // the destructor writes what is pending

  QSettings raw(QString::fromStdString(file), QSettings::IniFormat);
  const QStringList groups = raw.childGroups();
  for (const char* section : {"Manual Crop Info", "Auto Crop Info", "Fixed Size Info",
                              "Crop Edge Info", "Noise Filtering", "Image Option", "Fill Option",
                              "Background Option", "FixedColor Option"}) {
    EXPECT_TRUE(groups.contains(QString::fromLatin1(section))) << section;
  }
  EXPECT_EQ(groups.size(), 9);
  EXPECT_EQ(raw.value("Manual Crop Info/Sign of Rotation Degree").toInt(), 1);
  EXPECT_EQ(raw.value("Manual Crop Info/Rotation Degree").toString(), "1225000");
  EXPECT_EQ(raw.value("Image Option/Jpeg quality").toInt(), 88);

  QSettingsProfileStore store(file);
  CropSettings back;
  readPanelSettings(store, back);
  readPreviewSettings(store, back);
  EXPECT_EQ(back.rotationDegree, -12.25f);
  EXPECT_EQ(back.fixedRatioWidth, 1.333333f);
  EXPECT_EQ(back.filterSize, 11);
  EXPECT_EQ(back.jpegQuality, 88);
  EXPECT_EQ(back.backgroundColor, (Rgb{10, 20, 30}));
}

TEST(QSettingsStore, UnwritableFileIsReportedAndNothingElseChanges) {
  test::TempDir dir;
  const std::string blocker = dir.file("plain-file");
  writeText(blocker, "not a folder");
  QSettingsProfileStore store(blocker + "/sub/profile.ini");
  store.writeInt("Auto Crop Info", "Tolerance", 5);
  const Status status = store.flush();
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.reason().find("profile.ini"), std::string::npos) << status.reason();
  EXPECT_EQ(test::readFileBytes(blocker).size(), 12u);
  // The value written stays readable for the rest of the run.
  EXPECT_EQ(store.readInt("Auto Crop Info", "Tolerance", 0), 5);
}

TEST(QSettingsStore, GarbageFileReadsAsDefaults) {
  test::TempDir dir;
  const std::string file = dir.file("garbage.ini");
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes.push_back(static_cast<char>((i * 7919) & 0xFF));
  writeText(file, bytes);
  QSettingsProfileStore store(file);
  CropSettings s;
  readPanelSettings(store, s);
  readPreviewSettings(store, s);
  EXPECT_EQ(s.sidePixel, 100);
  EXPECT_EQ(s.jpegQuality, 75);
  EXPECT_EQ(store.readInt("Absent", "Value", 31), 31);
  // The next flush replaces the unreadable file with the values held.
  store.writeInt("Auto Crop Info", "Tolerance", 5);
  const Status status = store.flush();
  EXPECT_TRUE(status.ok()) << status.reason();
  QSettingsProfileStore again(file);
  EXPECT_EQ(again.readInt("Auto Crop Info", "Tolerance", 0), 5);
}

}  // namespace
}  // namespace trimlet
