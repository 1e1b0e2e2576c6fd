#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace norvel {

// Illustration files are two 148-byte records with no header: the broker, then the quote.
// Integers are 16-bit little-endian (true = -1), texts fixed-width Windows-1252.
constexpr int kIllusRecordSize = 148;
constexpr int kIllustrationFileSize = 2 * kIllusRecordSize;

// One record as stored. Texts are space-padded on writing and come back trimmed, except the
// two amounts, which come back as their stored characters; control characters are dropped.
struct IllusRecord {
    qint16 optEcheance = 0; // end-of-term date option chosen
    qint16 fumeurCo = 0;    // co-borrower memory: smoker
    qint16 fumeur = 0;      // borrower smoker
    qint16 parDateCo = 0;   // co-borrower memory: date of birth given
    qint16 parDate = 0;     // borrower: date of birth given
    qint16 homme = 0;       // borrower is a man
    qint16 hommeCo = 0;     // co-borrower memory: man
    quint8 coemprunteur = 0;
    QString dateNais;   // digits ddmmyyyy
    QString dateNaisCo; // co-borrower memory's digits
    QString echeance;   // end-of-term date digits
    QString effet;      // loan date digits
    QString age;
    QString ageCo;
    QString duree;   // amortization
    QString montant; // loan amount, plain digits
    QString nom;
    QString nomCo;
    QString prenom;
    QString prenomCo;
    QString terme;
    QString versement; // monthly payment, plain digits
};

// The broker as stored in the first record.
struct BrokerRecord {
    QString nom;       // 30 characters, padding included
    QString telephone; // 15 characters, padding included
};

struct IllustrationFile {
    BrokerRecord broker;
    IllusRecord quote;
};

QByteArray encodeQuoteRecord(const IllusRecord &record);
// Zero bytes except the name and the telephone; a blank telephone is written as ten "_".
QByteArray encodeBrokerRecord(const QString &name, const QString &telephone);
QByteArray encodeIllustration(const QString &brokerName, const QString &brokerTelephone,
                              const IllusRecord &quote);

// The record at the start of the bytes (at least 148 of them).
IllusRecord decodeQuoteRecord(const QByteArray &bytes);
BrokerRecord decodeBrokerRecord(const QByteArray &bytes);

// A whole file, checked before anything uses it: nothing when it is too short, when the
// co-borrower byte is not 0, 1 or 2, or when an amount is neither blank nor a number. Bytes past
// the second record are ignored.
std::optional<IllustrationFile> decodeIllustration(const QByteArray &bytes);

// The name an illustration goes by: its file title up to the first period.
QString NomIllustration(const QString &fileTitle);

} // namespace norvel
