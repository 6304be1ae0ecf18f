#include "qt_ports.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QTime>
#include <QUrl>

#include "qt_text.h"

namespace bazi::ui {

std::string ApplicationFolder::programFolder() {
  return toNativePath(QCoreApplication::applicationDirPath());
}

QString qtFileFilter(std::string_view filter) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString& pattern = parts[i + 1];
    filters.append(description.contains(pattern)
                       ? description
                       : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return filters.join(QStringLiteral(";;"));
}

std::vector<std::string> DialogFileChooser::chooseFiles(std::string_view filter,
                                                        const std::string& initialFolder) {
  const QStringList chosen = QFileDialog::getOpenFileNames(
      owner_, QString(), fromNativePath(initialFolder), qtFileFilter(filter));
  std::vector<std::string> paths;
  paths.reserve(chosen.size());
  for (const QString& path : chosen) paths.push_back(toNativePath(path));
  return paths;
}

std::unique_ptr<QMessageBox> MessageBoxes::makeBox(std::string_view text, std::string_view caption,
                                                   MessageIcon icon, bool ownedByMainWindow) const {
  const QString title = caption.empty() ? QStringLiteral("信息：") : toQString(caption);
  const QMessageBox::Icon shown =
      icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
  QWidget* owner = ownedByMainWindow ? mainWindow_.data() : nullptr;
  return std::make_unique<QMessageBox>(shown, title, toQString(text), QMessageBox::Ok, owner);
}

void MessageBoxes::showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                               bool ownedByMainWindow) {
  makeBox(text, caption, icon, ownedByMainWindow)->exec();
}

int SystemClock::currentSecond() { return QTime::currentTime().second(); }

void DesktopBrowser::open(const std::string& address) {
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(address)));
}

}  // namespace bazi::ui
