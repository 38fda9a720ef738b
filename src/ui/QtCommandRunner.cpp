#include "ui/QtCommandRunner.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString FromLocalPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

std::optional<std::filesystem::path> QtCommandRunner::Find(const std::string& program) const {
  if (program.empty()) return std::nullopt;
  const QString found = QStandardPaths::findExecutable(FromLocalPath(program));
  if (found.isEmpty()) return std::nullopt;
  return std::filesystem::path(QFile::encodeName(found).toStdString());
}

int QtCommandRunner::Run(const std::filesystem::path& program,
                         const std::vector<std::string>& arguments) {
  QStringList argumentList;
  for (const std::string& argument : arguments) argumentList << FromLocalPath(argument);
  QProcess process;
  process.setProgram(FromLocalPath(program.string()));
  process.setArguments(argumentList);
  // The helpers' output is of no use here; discarding it also keeps a chatty
  // helper from filling a pipe nobody reads.
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.setStandardInputFile(QProcess::nullDevice());
  process.start();
  if (!process.waitForStarted(timeoutMs_)) return -1;
  if (!process.waitForFinished(timeoutMs_)) {
    process.kill();
    process.waitForFinished(timeoutMs_);
    return -1;
  }
  if (process.exitStatus() != QProcess::NormalExit) return -1;
  return process.exitCode();
}
