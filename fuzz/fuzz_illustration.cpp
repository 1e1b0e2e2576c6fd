// Illustration files as File > Open reads them: any bytes are either refused whole or give
// a record that writes back to the same fields.
#include "domain/illusrecord.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

using namespace norvel;

namespace {

bool sameFields(const IllusRecord &a, const IllusRecord &b)
{
    return a.optEcheance == b.optEcheance && a.fumeurCo == b.fumeurCo && a.fumeur == b.fumeur &&
           a.parDateCo == b.parDateCo && a.parDate == b.parDate && a.homme == b.homme &&
           a.hommeCo == b.hommeCo && a.coemprunteur == b.coemprunteur && a.dateNais == b.dateNais &&
           a.dateNaisCo == b.dateNaisCo && a.echeance == b.echeance && a.effet == b.effet &&
           a.age == b.age && a.ageCo == b.ageCo && a.duree == b.duree && a.montant == b.montant &&
           a.nom == b.nom && a.nomCo == b.nomCo && a.prenom == b.prenom &&
           a.prenomCo == b.prenomCo && a.terme == b.terme && a.versement == b.versement;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // The record readers alone take any length, short ones included.
    decodeQuoteRecord(bytes);
    decodeBrokerRecord(bytes);

    const std::optional<IllustrationFile> file = decodeIllustration(bytes);
    if (!file)
        return 0;
    FUZZ_CHECK(size >= std::size_t(kIllustrationFileSize));
    FUZZ_CHECK(file->quote.coemprunteur <= 2);
    FUZZ_CHECK(file->broker.nom.size() == 30 && file->broker.telephone.size() == 15);
    // Only the two records count: what follows them changes nothing.
    FUZZ_CHECK(decodeIllustration(bytes.left(kIllustrationFileSize)).has_value());

    // Saved again, the file reads back to the same quote and broker.
    const QByteArray again =
        encodeIllustration(file->broker.nom, file->broker.telephone, file->quote);
    FUZZ_CHECK(again.size() == kIllustrationFileSize);
    const std::optional<IllustrationFile> reread = decodeIllustration(again);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(sameFields(reread->quote, file->quote));
    FUZZ_CHECK(reread->broker.nom == file->broker.nom);
    // A blank telephone is the one field written differently: as the blank-telephone mark.
    if (file->broker.telephone != QString(15, QLatin1Char(' ')))
        FUZZ_CHECK(reread->broker.telephone == file->broker.telephone);
    return 0;
}
