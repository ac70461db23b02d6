// The user's settings on Linux: Qt's settings file in the user's config
// folder (~/.config/Vornix/Vornix.conf), opened when first read or written.
#pragma once

#include "settings.hpp"

#include <memory>

class QSettings;

namespace vornix::qt {

class QtSettings final : public ui::Settings {
  public:
    QtSettings();
    ~QtSettings() override;
    std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, std::string_view value) override;

  private:
    QSettings& store() const;
    mutable std::unique_ptr<QSettings> store_;
};

} // namespace vornix::qt
