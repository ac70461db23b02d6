#include "qt_settings.hpp"

#include "controls.hpp"

#include <QSettings>

namespace vornix::qt {

QtSettings::QtSettings() = default;
QtSettings::~QtSettings() = default;

QSettings& QtSettings::store() const {
    if (!store_) {
        store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Vornix"), QStringLiteral("Vornix"));
    }
    return *store_;
}

std::optional<std::string> QtSettings::read(std::string_view key) const {
    const QVariant value = store().value(from_utf8(key));
    if (!value.isValid() || value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

void QtSettings::write(std::string_view key, std::string_view value) {
    store().setValue(from_utf8(key), from_utf8(value));
}

} // namespace vornix::qt
