// Colour values (0x00BBGGRR) on colour panels and in the colour dialog.
#pragma once

#include <cstdint>

#include <QColor>

inline QColor PanelColor(std::uint32_t value) { return QColor(value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF); }

inline std::uint32_t ValueOf(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}
