#include "faces.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <cstring>

namespace vexil {

namespace {

// The face Windows actually draws for a family name: a missing face's name
// may still be matched, through Windows' font substitutes, to any face.
QString drawnFace(const QString& family)
{
    return QFontInfo(QFont(family)).family();
}

// Drawn under its own name and at any size. Windows' "MS Sans Serif" is a
// bitmap face of a few fixed sizes: at 125 to 175 % it would be drawn at
// the nearest one, and it ignores the narrowing that fits text to a box.
bool usable(const QString& face)
{
    return drawnFace(face).compare(face, Qt::CaseInsensitive) == 0 && QFontDatabase::isSmoothlyScalable(face);
}

}  // namespace

// The layout's own face where the system has it scalable ("MS Sans Serif"
// as its scalable successor, "Microsoft Sans Serif"). Some stripped-down
// installations lack even Arial; then the first of Arial's metric twin and
// Windows' own interface faces that is there, and last the system's
// interface face, rather than whatever the substitutes match (under Wine a
// math font, which leaves a field blank).
QStringList layoutFaces(const char* windowsFace)
{
    QStringList candidates;
    if (std::strcmp(windowsFace, "MS Sans Serif") == 0)
        candidates << QStringLiteral("Microsoft Sans Serif");
    candidates << QString::fromLatin1(windowsFace) << QStringLiteral("Arial")
               << QStringLiteral("Liberation Sans") << QStringLiteral("Segoe UI") << QStringLiteral("Tahoma");
    for (const QString& face : candidates) {
        if (usable(face))
            return {face};
    }
    return {drawnFace(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family())};
}

}  // namespace vexil
