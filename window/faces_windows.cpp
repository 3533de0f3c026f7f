#include "faces.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace vexil {

namespace {

// The face Windows actually draws for a family name: a missing face's name
// may still be matched, through Windows' font substitutes, to any face.
QString drawnFace(const QString& family)
{
    return QFontInfo(QFont(family)).family();
}

}  // namespace

// The layout's own face where the system has it. Some stripped-down
// installations lack even Arial; then the first of Arial's metric twin and
// Windows' own interface faces that is there, and last the system's
// interface face, rather than whatever the substitutes match (under Wine a
// math font, which leaves a field blank).
QStringList layoutFaces(const char* windowsFace)
{
    for (const QString& face :
         {QString::fromLatin1(windowsFace), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
          QStringLiteral("Segoe UI"), QStringLiteral("Tahoma")}) {
        if (drawnFace(face).compare(face, Qt::CaseInsensitive) == 0)
            return {face};
    }
    return {drawnFace(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family())};
}

}  // namespace vexil
