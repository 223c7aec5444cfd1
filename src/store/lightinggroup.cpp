#include "lightinggroup.h"

#include "appconfig.h"
#include "records.h"

bool isGlobalLightingProduct(const QString& product) {
    const QByteArray utf8 = product.toUtf8();
    const std::string_view name(utf8.constData(), size_t(utf8.size()));
    for (std::string_view listed : kGlobalLightingProducts)
        if (listed == name) return true;
    return false;
}

const MouseProfile& lightingProfile(const DeviceSettings& settings) {
    return isGlobalLightingProduct(readCurrentProductName()) ? settings.profiles[0]
                                                             : settings.current();
}

MouseProfile& lightingProfile(DeviceSettings& settings) {
    return const_cast<MouseProfile&>(lightingProfile(static_cast<const DeviceSettings&>(settings)));
}
