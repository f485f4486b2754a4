// Writes a Windows icon file (.ico) holding several sizes of one picture.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Each picture is stored twice, as a 256-colour and as a 32-bit image, except
// the 256-pixel one, which is stored once, as PNG (how Windows keeps large
// icons). Pictures with 8-bit alpha are expected; pixels below half alpha
// become transparent in the 256-colour images.
bool WriteIco(const std::vector<QImage>& pictures, const QString& path);
