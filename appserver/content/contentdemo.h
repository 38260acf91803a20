#pragma once

#include <QtGlobal>

namespace appserver {

class Database;

// The demo's content: three opening adverts (targets "#KAMPANYA#", "#YENİ#" and a search
// text) with drawn JPEG pictures, the three banners (two animated GIFs and a bitmap) and an
// HTML ticker text with a link to the demo's web host. Replaces any content there was. Needs a
// QGuiApplication for the drawing.
void SeedContentDemo(Database &db, quint32 seed);

} // namespace appserver
