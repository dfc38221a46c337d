// Program settings, kept per user as INI files: company "QZ Telecom", one
// profile per program, sections such as "General" and "Communication", and
// text and number values.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

class QSettings;

namespace pdx::platform {

class Settings {
public:
  // The profile's file in the user's configuration folder, for example
  // ~/.config/QZ Telecom/Pelodex.conf.
  static Settings forProfile(const std::string &profile);
  // A settings file at an explicit path (tests, tools).
  static Settings atFile(const std::filesystem::path &file);
  ~Settings();
  Settings(Settings &&) noexcept;
  Settings &operator=(Settings &&) noexcept;

  std::string text(const std::string &section, const std::string &name,
                   const std::string &fallback = std::string()) const;
  void setText(const std::string &section, const std::string &name, const std::string &value);
  int number(const std::string &section, const std::string &name, int fallback = 0) const;
  void setNumber(const std::string &section, const std::string &name, int value);
  bool contains(const std::string &section, const std::string &name) const;

  // Writes pending changes to the file.
  void sync();
  std::filesystem::path fileName() const;

private:
  explicit Settings(std::unique_ptr<QSettings> settings);

  std::unique_ptr<QSettings> settings_;
};

} // namespace pdx::platform
