#include "ratekey.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>

namespace norvel {

QByteArray deriveRateKey(const QByteArray &password)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password,
                                              QByteArrayLiteral("Norvel rate database"), 256000,
                                              32);
}

} // namespace norvel
