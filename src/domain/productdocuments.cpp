#include "domain/productdocuments.h"

#include <QDir>

namespace norvel {

namespace {
constexpr ProductDocument kDocuments[] = {
    {"mnu_Brochure", "documents/Brochure.pdf"},   {"mnu_Formulaire", "documents/Normes.pdf"},
    {"mnu_Specimen", "documents/Specimen.pdf"},   {"mnu_BrochureA", "documents/BrochureA.pdf"},
    {"mnu_FormulaireA", "documents/NormesA.pdf"}, {"mnu_SpecimenA", "documents/SpecimenA.pdf"},
};
} // namespace

std::span<const ProductDocument> productDocuments()
{
    return kDocuments;
}

QString documentPath(const QString &programDir, const ProductDocument &document)
{
    return QDir::toNativeSeparators(QDir(programDir).filePath(QLatin1String(document.relative)));
}

} // namespace norvel
