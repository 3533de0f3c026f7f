#include "faces.h"

namespace vexil {

// The layout's faces are missing on every Linux desktop; their metric twin
// Liberation Sans stands in, and where even that is missing fontconfig's
// sans face. Looking up only the face that exists spares start-up a round
// of fallback searches.
QStringList layoutFaces(const char*)
{
    return {QStringLiteral("Liberation Sans")};
}

}  // namespace vexil
