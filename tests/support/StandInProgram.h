#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <filesystem>

#include "support/TempDir.h"
#include "support/UiKit.h"

// Programs for the launch tests to start. A stand-in writes, once it runs, the
// folder it runs in and its arguments, one a line, into a mark file; the mark
// appears whole or not at all. Given a go file, it first waits for that file
// to appear (ten seconds at most), so a caller that waited for it would hang.
namespace StandIn {

inline void MakeExecutable(const QString& path) {
  using std::filesystem::perms;
  std::filesystem::permissions(path.toStdString(), perms::owner_all | perms::group_read | perms::group_exec |
                                                       perms::others_read | perms::others_exec);
}

inline void WriteProgram(const QString& path, const QString& markPath, const QString& goPath = QString()) {
  const std::string mark = markPath.toStdString();
  std::string script = "#!/bin/sh\n";
  if (!goPath.isEmpty())
    script += "n=0; while [ ! -e '" + goPath.toStdString() +
              "' ] && [ $n -lt 200 ]; do sleep 0.05; n=$((n+1)); done\n";
  script += "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + mark + ".part' && mv '" + mark +
            ".part' '" + mark + "'\n";
  WriteBytes(path.toStdString(), script);
  MakeExecutable(path);
}

// Executable, but nothing the system can run.
inline void WriteBrokenProgram(const QString& path) {
  WriteBytes(path.toStdString(), "this is no program\n");
  MakeExecutable(path);
}

// The lines of the mark once it appears; empty when it never does.
inline QStringList WaitForMark(const QString& markPath) {
  if (!WaitUntil([&] { return QFile::exists(markPath); }, 10000)) return {};
  QFile mark(markPath);
  if (!mark.open(QIODevice::ReadOnly)) return {};
  return QString::fromLocal8Bit(mark.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A folder below root whose path is longer than length characters.
inline QString DeepFolder(const QString& root, int length) {
  QString folder = root;
  while (folder.size() <= length) folder += QStringLiteral("/a folder with a rather long name");
  QDir().mkpath(folder);
  return folder;
}

}  // namespace StandIn
