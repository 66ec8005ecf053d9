#pragma once
// Between the file system's byte names, which the browser's rules work on,
// and the Qt strings the widgets show; and the resources of the browser.

#include <QFile>
#include <QString>

#include <string>

namespace trimlet {

inline QString fromNative(const std::string& s) {
  return QFile::decodeName(QByteArray::fromStdString(s));
}
inline std::string toNative(const QString& s) { return QFile::encodeName(s).toStdString(); }

// Registers the browser's pictures (the library is linked statically).
void initBrowserResources();

// "Directory", the type text of a folder in the file list.
QString directoryTypeText();

}  // namespace trimlet
