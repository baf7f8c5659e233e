// File names and paths are the system's bytes (UTF-8 here), never code page
// 932: these turn them into text for the user interface and back.
#pragma once

#include <string>

#include <QFile>
#include <QString>

inline QString FromFileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

inline std::string ToFileName(const QString& name) { return QFile::encodeName(name).toStdString(); }
