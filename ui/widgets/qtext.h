#pragma once

#include <QString>
#include <string_view>

// A text of the core (UTF-8) as Qt holds it.
inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
