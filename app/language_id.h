#pragma once
// The system default language identifier, in the form the panes compare:
// the primary language in the low ten bits (9 English, 17 Japanese,
// 18 Korean, ...) and the sublanguage above them. It is taken from the
// locale; every language gets its default sublanguage (1), so an English
// locale gives 0x0409, a Japanese one 0x0411. The "C" locale of a bare
// system counts as English. A language without an identifier here gives
// 0x0400 (neutral).

#include <QLocale>
#include <QtGlobal>

namespace trimlet {

quint16 languageIdFor(const QLocale& locale);

}  // namespace trimlet
