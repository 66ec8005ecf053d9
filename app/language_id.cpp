// The system default language identifier from the locale (see language_id.h).
#include "app/language_id.h"

namespace trimlet {

namespace {

struct LanguageCode {
  QLocale::Language language;
  quint16 primary;
};

// Primary language identifiers of the common languages.
constexpr LanguageCode kPrimary[] = {
    {QLocale::Arabic, 0x01},     {QLocale::Bulgarian, 0x02},       {QLocale::Catalan, 0x03},
    {QLocale::Chinese, 0x04},    {QLocale::Czech, 0x05},           {QLocale::Danish, 0x06},
    {QLocale::German, 0x07},     {QLocale::Greek, 0x08},           {QLocale::English, 0x09},
    {QLocale::Spanish, 0x0a},    {QLocale::Finnish, 0x0b},         {QLocale::French, 0x0c},
    {QLocale::Hebrew, 0x0d},     {QLocale::Hungarian, 0x0e},       {QLocale::Icelandic, 0x0f},
    {QLocale::Italian, 0x10},    {QLocale::Japanese, 0x11},        {QLocale::Korean, 0x12},
    {QLocale::Dutch, 0x13},      {QLocale::NorwegianBokmal, 0x14}, {QLocale::Polish, 0x15},
    {QLocale::Portuguese, 0x16}, {QLocale::Romanian, 0x18},        {QLocale::Russian, 0x19},
    {QLocale::Croatian, 0x1a},   {QLocale::Slovak, 0x1b},          {QLocale::Swedish, 0x1d},
    {QLocale::Thai, 0x1e},       {QLocale::Turkish, 0x1f},         {QLocale::Ukrainian, 0x22},
};

constexpr quint16 kDefaultSublanguage = 1;

}  // namespace

quint16 languageIdFor(const QLocale& locale) {
  QLocale::Language language = locale.language();
  if (language == QLocale::C) language = QLocale::English;
  quint16 primary = 0;
  for (const LanguageCode& code : kPrimary) {
    if (code.language == language) primary = code.primary;
  }
  return static_cast<quint16>((kDefaultSublanguage << 10) | primary);
}

}  // namespace trimlet
