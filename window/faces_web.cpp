#include <QFontDatabase>

#include "faces.h"

namespace vexil {

// A browser has neither the layout's faces nor their metric twin, and Qt's
// browser build brings no face of its own here (cmake/platform-Emscripten):
// Liberation Sans comes embedded, added the first time a face is asked for.
QStringList layoutFaces(const char*)
{
    static const bool added = [] {
        for (const auto* file :
             {":/vexil/fonts/LiberationSans-Regular.ttf", ":/vexil/fonts/LiberationSans-Bold.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    Q_UNUSED(added);
    return {QStringLiteral("Liberation Sans")};
}

}  // namespace vexil
