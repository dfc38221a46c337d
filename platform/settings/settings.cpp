#include "platform/settings/settings.h"

#include <QSettings>
#include <QString>

namespace pdx::platform {

namespace {

QString key(const std::string &section, const std::string &name) {
  return QString::fromStdString(section + "/" + name);
}

} // namespace

Settings::Settings(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

Settings Settings::forProfile(const std::string &profile) {
  return Settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "QZ Telecom",
                                              QString::fromStdString(profile)));
}

Settings Settings::atFile(const std::filesystem::path &file) {
  return Settings(std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat));
}

Settings::~Settings() = default;
Settings::Settings(Settings &&) noexcept = default;
Settings &Settings::operator=(Settings &&) noexcept = default;

std::string Settings::text(const std::string &section, const std::string &name,
                           const std::string &fallback) const {
  const QVariant value = settings_->value(key(section, name));
  return value.isValid() ? value.toString().toStdString() : fallback;
}

void Settings::setText(const std::string &section, const std::string &name, const std::string &value) {
  settings_->setValue(key(section, name), QString::fromStdString(value));
}

int Settings::number(const std::string &section, const std::string &name, int fallback) const {
  bool ok = false;
  const int value = settings_->value(key(section, name)).toInt(&ok);
  return ok ? value : fallback;
}

void Settings::setNumber(const std::string &section, const std::string &name, int value) {
  settings_->setValue(key(section, name), value);
}

bool Settings::contains(const std::string &section, const std::string &name) const {
  return settings_->contains(key(section, name));
}

void Settings::sync() {
  settings_->sync();
}

std::filesystem::path Settings::fileName() const {
  return settings_->fileName().toStdString();
}

} // namespace pdx::platform
