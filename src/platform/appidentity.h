// The program's identity on a desktop: application id, version and icon.
#pragma once

#include <QIcon>
#include <QString>

namespace bw {

// Reverse-DNS id from the support domain; it names the .desktop file, the metainfo and
// the icon, so a desktop matches the running windows to the installed entry.
inline constexpr char kApplicationId[] = "example.brindlewick.Brindlewick";

// The version the build was made as.
QString applicationVersion();

// The program's icon (scalable, with a 256-pixel picture for platforms without SVG).
QIcon applicationIcon();

// Names the application for the desktop and gives every window the icon.
void setUpApplicationIdentity();

} // namespace bw
